
#include "archive/archiv_leser.h"
#include "archive/archivzeile.h"
#include "tools/ausgabeziel.h"
#include "tools/befehle.h"
#include "tools/befehlszeile.h"
#include "tools/eingabequelle.h"

#include <QStringDecoder>

#include <optional>

namespace {

// A conversion reads IN and writes OUT line by line. It returns why it had to
// stop, or nothing when every line went through.
using Umwandlung = std::optional<QString> (*)(QIODevice &ein, Ausgabeziel &ziel, Kanaele &k);

int umwandeln(const QString &befehl, const QStringList &argumente, Kanaele &k,
              const QString &bedienung, Umwandlung umwandlung)
{
    Befehlszeile zeile(befehl);
    if (const auto ende = zeile.lesen(argumente, k))
        return *ende;
    const QStringList pfade = zeile.argumente();
    if (pfade.size() != 2)
        return falscheBedienung(k, bedienung);
    Eingabequelle quelle(pfade[0], k.ein);
    QIODevice *ein = quelle.oeffnen();
    Ausgabeziel ziel(pfade[1], k.aus);
    std::optional<QString> fehler;
    if (!ein) {
        fehler = quelle.fehler();
    } else if (!ziel.oeffnen()) {
        fehler = ziel.fehler();
    } else {
        fehler = umwandlung(*ein, ziel, k);
        if (!fehler && !ziel.abschliessen())
            fehler = ziel.fehler();
    }
    if (!fehler)
        return status::ok;
    ziel.verwerfen();
    k.melden(QStringLiteral("sprho-archiv: ") + *fehler);
    return status::fehler;
}

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

std::optional<QString> textZuArchiv(QIODevice &ein, Ausgabeziel &ziel, Kanaele &)
{
    if (ein.peek(3) == "\xEF\xBB\xBF")
        ein.skip(3); // a byte order mark some editors write
    // QString::fromUtf8 would silently drop a byte order mark at the start of
    // every line; only the one at the start of the file is a mark.
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless |
                                                    QStringConverter::Flag::ConvertInitialBom);
    QByteArray bytes;
    qint64 nummer = 0;
    while (!ein.atEnd()) {
        QByteArray zeile = ein.readLine();
        ++nummer;
        // CR LF ends a line; a CR without its LF (even at the very end of the
        // input) is a character in the line and is refused below.
        if (zeile.endsWith("\r\n"))
            zeile.chop(2);
        else if (zeile.endsWith('\n'))
            zeile.chop(1);
        if (const auto falsch = archivzeile(utf8(zeile), bytes)) {
            return QStringLiteral("Zeile %1, Spalte %2: %3")
                .arg(nummer)
                .arg(falsch->spalte)
                .arg(zeichenName(falsch->zeichen));
        }
        if (!ziel.schreiben(bytes + "\r\n"))
            return ziel.fehler();
    }
    return std::nullopt;
}

std::optional<QString> archivZuText(QIODevice &ein, Ausgabeziel &ziel, Kanaele &k)
{
    ArchivLeser leser(ein);
    if (!leser.oeffnen())
        return leser.fehler();
    qint64 nummer = 0;
    std::string_view zeile;
    while (leser.naechsteZeile(zeile)) {
        ++nummer;
        const Zeilenmaengel maengel = zeilenmaengel(zeile);
        if (maengel.einzelnesLf) {
            k.melden(QStringLiteral("Warnung: Zeile %1 enthält einen Zeilenvorschub ohne "
                                    "Wagenrücklauf; ausgepackt wird daraus ein Zeilenumbruch")
                         .arg(nummer));
        }
        for (const std::size_t i : maengel.undefiniert) {
            k.melden(QStringLiteral("Warnung: Zeile %1, Spalte %2: Byte 0x%3 ist in "
                                    "Windows-1252 undefiniert und lässt sich nicht "
                                    "zurückpacken")
                         .arg(nummer)
                         .arg(i + 1)
                         .arg(static_cast<unsigned char>(zeile[i]), 2, 16, QLatin1Char('0')));
        }
        if (!ziel.schreiben(klartext(zeile).toUtf8() + '\n'))
            return ziel.fehler();
    }
    if (leser.fehlgeschlagen())
        return leser.fehler();
    return std::nullopt;
}

} // namespace

// Readable UTF-8 text, one archive line per line, into a scrambled archive.
int packen(const QStringList &argumente, Kanaele &k)
{
    return umwandeln(QStringLiteral("pack"), argumente, k,
                     QStringLiteral("pack erwartet EINGABE und AUSGABE"), textZuArchiv);
}

// The inverse of pack. Lines that would not come back unchanged are reported.
int entpacken(const QStringList &argumente, Kanaele &k)
{
    return umwandeln(QStringLiteral("unpack"), argumente, k,
                     QStringLiteral("unpack erwartet ARCHIV und AUSGABE"), archivZuText);
}
