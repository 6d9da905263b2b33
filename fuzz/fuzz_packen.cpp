// pack on arbitrary input: it either refuses, writing nothing, or unpack
// gives the input back (with LF line ends and a final line end).
#include "fuzz/werkzeuglauf.h"

#include <cstdint>
#include <cstdlib>

namespace {

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
    const Werkzeuglauf pack =
        werkzeugLaufen(QStringList{QStringLiteral("pack")} + ueberStandard, text);
    if (pack.status != 0) {
        if (pack.status != 1 || !pack.aus.isEmpty())
            std::abort();
        return 0;
    }
    const Werkzeuglauf unpack =
        werkzeugLaufen(QStringList{QStringLiteral("unpack")} + ueberStandard, pack.aus);
    if (unpack.status != 0)
        std::abort();
    // A lone CR after CR LF removal would have been refused; a BOM in the
    // middle of the first line cannot be told apart from one at its start.
    if (unpack.aus != erwartet(text))
        std::abort();
    return 0;
}
