#include "ausgabeziel.h"
#include "werkzeug.h"

#include "archiv_leser.h"
#include "archivzeile.h"
#include "cp1252.h"

#include <QStringDecoder>

namespace {

QString zeichenName(char32_t zeichen)
{
    if (zeichen == U'\r')
        return QStringLiteral("Wagenrücklauf (CR) innerhalb der Zeile");
    if (zeichen == 0xFFFD)
        return QStringLiteral("ungültiges UTF-8 (oder U+FFFD)");
    const QString code =
        QString::number(static_cast<uint>(zeichen), 16).toUpper().rightJustified(4, u'0');
    return QStringLiteral("U+%1 ist in Windows-1252 nicht darstellbar").arg(code);
}

int abbrechen(Kanaele &k, Ausgabeziel &ziel, const QString &meldung)
{
    ziel.verwerfen();
    k.melden(QStringLiteral("sprho-archiv: ") + meldung);
    return status::fehler;
}

} // namespace

// Readable UTF-8 text, one archive line per line, into a scrambled archive.
int packen(const QStringList &argumente, Kanaele &k)
{
    if (argumente.size() != 2)
        return falscheBedienung(k, QStringLiteral("pack erwartet EINGABE und AUSGABE"));

    Eingabequelle quelle(argumente[0], k.ein);
    QIODevice *ein = quelle.oeffnen();
    if (!ein) {
        k.melden(QStringLiteral("sprho-archiv: ") + quelle.fehler());
        return status::fehler;
    }
    Ausgabeziel ziel(argumente[1], k.aus);
    if (!ziel.oeffnen()) {
        k.melden(QStringLiteral("sprho-archiv: ") + ziel.fehler());
        return status::fehler;
    }

    // QString::fromUtf8 would silently drop a byte order mark at the start of
    // every line; only the one at the start of the file is a mark.
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless |
                                                    QStringConverter::Flag::ConvertInitialBom);
    if (ein->peek(3) == "\xEF\xBB\xBF")
        ein->skip(3); // a byte order mark some editors write
    QByteArray bytes;
    qint64 nummer = 0;
    while (!ein->atEnd()) {
        QByteArray zeile = ein->readLine();
        ++nummer;
        // CR LF ends a line; a CR without its LF (even at the very end of the
        // input) is a character in the line and is refused below.
        if (zeile.endsWith("\r\n"))
            zeile.chop(2);
        else if (zeile.endsWith('\n'))
            zeile.chop(1);

        if (const auto falsch = archivzeile(utf8(zeile), bytes)) {
            return abbrechen(k, ziel,
                             QStringLiteral("Zeile %1, Spalte %2: %3")
                                 .arg(nummer)
                                 .arg(falsch->spalte)
                                 .arg(zeichenName(falsch->zeichen)));
        }
        bytes.append("\r\n");
        if (ziel.geraet().write(bytes) != bytes.size())
            return abbrechen(k, ziel, ziel.geraet().errorString());
    }
    if (!ziel.abschliessen())
        return abbrechen(k, ziel, ziel.fehler());
    return status::ok;
}

// The inverse of pack. Lines that would not come back unchanged are reported.
int entpacken(const QStringList &argumente, Kanaele &k)
{
    if (argumente.size() != 2)
        return falscheBedienung(k, QStringLiteral("unpack erwartet ARCHIV und AUSGABE"));

    Eingabequelle quelle(argumente[0], k.ein);
    QIODevice *ein = quelle.oeffnen();
    if (!ein) {
        k.melden(QStringLiteral("sprho-archiv: ") + quelle.fehler());
        return status::fehler;
    }
    Ausgabeziel ziel(argumente[1], k.aus);
    if (!ziel.oeffnen()) {
        k.melden(QStringLiteral("sprho-archiv: ") + ziel.fehler());
        return status::fehler;
    }

    ArchivLeser leser(*ein);
    if (!leser.oeffnen())
        return abbrechen(k, ziel, leser.fehler());
    qint64 nummer = 0;
    while (!leser.amEnde()) {
        ++nummer;
        std::string_view zeile;
        if (!leser.naechsteZeile(zeile))
            return abbrechen(k, ziel, leser.fehler());
        if (zeile.find('\n') != std::string_view::npos) {
            k.melden(QStringLiteral("Warnung: Zeile %1 enthält einen Zeilenvorschub ohne "
                                    "Wagenrücklauf; ausgepackt wird daraus ein Zeilenumbruch")
                         .arg(nummer));
        }
        for (std::size_t i = 0; i < zeile.size(); ++i) {
            const auto byte = static_cast<unsigned char>(zeile[i]);
            if (cp1252::istUndefiniert(byte)) {
                k.melden(QStringLiteral("Warnung: Zeile %1, Spalte %2: Byte 0x%3 ist in "
                                        "Windows-1252 undefiniert und lässt sich nicht "
                                        "zurückpacken")
                             .arg(nummer)
                             .arg(i + 1)
                             .arg(byte, 2, 16, QLatin1Char('0')));
            }
        }
        const QByteArray text = klartext(zeile).toUtf8() + '\n';
        if (ziel.geraet().write(text) != text.size())
            return abbrechen(k, ziel, ziel.geraet().errorString());
    }
    if (!ziel.abschliessen())
        return abbrechen(k, ziel, ziel.fehler());
    return status::ok;
}
