// pack on arbitrary input: it either refuses, writing nothing, or unpack
// gives the input back (with LF line ends and a final line end).
#include "tools/werkzeug.h"

#include <QBuffer>

#include <cstdint>
#include <cstdlib>

namespace {

int ausfuehren(const QStringList &argumente, QByteArray eingabe, QByteArray &ausgabe)
{
    QBuffer ein(&eingabe);
    QByteArray fehlerText;
    QBuffer aus(&ausgabe);
    QBuffer fehler(&fehlerText);
    ein.open(QIODevice::ReadOnly);
    aus.open(QIODevice::WriteOnly);
    fehler.open(QIODevice::WriteOnly);
    Kanaele k{ein, aus, fehler};
    return sprhoArchiv(argumente, k);
}

QByteArray erwartet(QByteArray text)
{
    if (text.startsWith("\xEF\xBB\xBF"))
        text.remove(0, 3);
    text.replace("\r\n", "\n");
    if (!text.isEmpty() && !text.endsWith('\n'))
        text.append('\n');
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *daten, std::size_t groesse)
{
    const QByteArray text(reinterpret_cast<const char *>(daten), qsizetype(groesse));
    const QStringList ueberStandard{QStringLiteral("-"), QStringLiteral("-")};
    QByteArray archiv;
    const int status =
        ausfuehren(QStringList{QStringLiteral("pack")} + ueberStandard, text, archiv);
    if (status != 0) {
        if (status != 1 || !archiv.isEmpty())
            std::abort();
        return 0;
    }
    QByteArray zurueck;
    if (ausfuehren(QStringList{QStringLiteral("unpack")} + ueberStandard, archiv, zurueck) != 0)
        std::abort();
    // A lone CR after CR LF removal would have been refused; a BOM in the
    // middle of the first line cannot be told apart from one at its start.
    if (zurueck != erwartet(text))
        std::abort();
    return 0;
}
