#include "archive/archiv_leser.h"
#include "archive/archivzeile.h"
#include "tools/abbruch.h"
#include "tools/archivsuche.h"
#include "tools/archivtext.h"
#include "tools/ausgabeziel.h"
#include "tools/befehle.h"
#include "tools/befehlszeile.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QSet>
#include <QStringDecoder>

#include <optional>

namespace {

// How long an add waits for another one on the same archive to finish.
constexpr int sperrWartezeit = 10'000; // ms

// The texts to add: the arguments, with "-" standing for the lines of
// standard input (empty ones are no text).
QStringList texteAus(const QStringList &argumente, Kanaele &k)
{
    if (argumente.isEmpty())
        falschBedient(QStringLiteral("add erwartet mindestens einen TEXT (oder „-“)"));
    if (argumente.count(QStringLiteral("-")) > 1)
        falschBedient(QStringLiteral("„-“ (Standardeingabe) darf nur einmal stehen"));
    QStringList texte;
    for (const QString &argument : argumente) {
        if (argument != QStringLiteral("-")) {
            if (argument.trimmed().isEmpty())
                scheitern(QStringLiteral("ein leerer Text ist kein Eintrag"));
            texte << argument;
            continue;
        }
        // Read whole: a line-wise read stops at a NUL byte and would cut the
        // text there without a word.
        const QList<QByteArray> zeilen = k.ein.readAll().split('\n');
        for (qsizetype i = 0; i < zeilen.size(); ++i) {
            QByteArray zeile = zeilen[i];
            if (zeile.endsWith('\r'))
                zeile.chop(1);
            if (zeile.contains('\0'))
                scheitern(QStringLiteral("Standardeingabe, Zeile %1: ein NUL-Byte; das ist keine "
                                         "Textdatei")
                              .arg(i + 1));
            QStringDecoder utf8(QStringConverter::Utf8);
            const QString text = utf8(zeile);
            if (utf8.hasError())
                scheitern(QStringLiteral("Standardeingabe, Zeile %1: ungültiges UTF-8").arg(i + 1));
            // A line of nothing but spaces is no text, just as an empty one.
            if (!text.trimmed().isEmpty())
                texte << text;
        }
    }
    return texte;
}

// The archive's bytes as they are, and the texts its area holds. A missing
// archive is an empty one; a read that fails ends the run.
struct Bestand {
    QByteArray bytes;
    QSet<QString> texte;
};

Bestand bestandLesen(const QString &pfad, qint16 bereich, Kanaele &k)
{
    Bestand bestand;
    if (!k.archivOeffnen && !QFileInfo::exists(pfad))
        return bestand;
    auto leser = k.archivOeffnen ? std::make_unique<ArchivLeser>(k.archivOeffnen())
                                 : std::make_unique<ArchivLeser>(pfad);
    if (!leser->oeffnen())
        unlesbar(pfad, leser->fehler());
    std::string_view block;
    while (leser->naechsterBlock(block))
        bestand.bytes.append(block.data(), qsizetype(block.size()));
    if (leser->fehlgeschlagen())
        unlesbar(pfad, leser->fehler());

    QBuffer puffer(&bestand.bytes);
    puffer.open(QIODevice::ReadOnly);
    ArchivLeser zeilen(puffer);
    std::string_view zeile;
    if (zeilen.oeffnen()) {
        while (zeilen.naechsteZeile(zeile)) {
            const auto gelesen = eintrag(zeile);
            if (gelesen && gelesen->bereich == bereich)
                bestand.texte.insert(klartext(gelesen->text));
        }
    }
    return bestand;
}

// What a new user archive starts from: the archive every other command reads
// without --archive (the installed sample, where there is one), so that
// nothing the user could find before disappears once the user's own archive
// comes first. Empty when there is none: the archive starts empty.
QString vorlage()
{
    for (const QString &ort : archivsuche::orte()) {
        if (QFileInfo::exists(ort))
            return ort;
    }
    return {};
}

} // namespace

// Appends texts to an archive without touching a byte already in it.
int hinzufuegen(const QStringList &argumente, Kanaele &k)
{
    Befehlszeile zeile(QStringLiteral("add"));
    zeile.lesen(argumente);
    const QStringList texte = texteAus(zeile.argumente(), k);
    const qint16 bereich = zeile.bereich();
    const QString pfad = zeile.archivGenannt() ? zeile.archiv() : archivsuche::zielFuerNeues();
    const QFileInfo info(pfad);
    if (!info.absoluteDir().exists())
        scheitern(QStringLiteral("der Ordner „%1“ fehlt").arg(info.absolutePath()));
    if (info.isDir())
        scheitern(QStringLiteral("„%1“ ist ein Ordner").arg(pfad));

    // Two adds at once would each rewrite the archive from what they read, and
    // the later rename would drop the other's texts: one at a time.
    QLockFile sperre(pfad + QStringLiteral(".lock"));
    if (!sperre.tryLock(sperrWartezeit))
        scheitern(sperre.error() == QLockFile::LockFailedError
                      ? QStringLiteral("„%1“ wird gerade von einem anderen Vorgang geändert; "
                                       "bitte noch einmal versuchen")
                            .arg(pfad)
                      : QStringLiteral("„%1.lock“ kann nicht angelegt werden").arg(pfad));
    // Looked at under the lock: of two first adds, the later finds the copy.
    const QString kopiert =
        zeile.archivGenannt() || QFileInfo::exists(pfad) ? QString() : vorlage();
    Bestand bestand = bestandLesen(kopiert.isEmpty() ? pfad : kopiert, bereich, k);
    std::optional<Ersetzungen> ersetzungen;
    if (zeile.ersetzen())
        ersetzungen.emplace();
    QByteArray neu;
    qint64 hinzu = 0;
    for (QString text : texte) {
        const QString ort = QStringLiteral("„%1“, ").arg(text);
        if (text.contains(u'\n'))
            scheitern(ort +
                      QStringLiteral("ein Eintrag ist eine Zeile; ein Zeilenumbruch geht nicht"));
        if (ersetzungen)
            text = ersetzungen->ersetzen(text, ort);
        if (bereich == 0 && marke(text))
            scheitern(ort + QStringLiteral("beginnt mit „%1“ und würde als Kommentar oder "
                                           "Listeneintrag gelesen")
                                .arg(*marke(text)));
        const QString mitMarke = bereich == 0 ? text : (bereich == 1 ? u'[' : u']') + text;
        const QByteArray bytes = archivzeileFuer(mitMarke, ort);
        if (bestand.texte.contains(text)) {
            k.melden(QStringLiteral("sprho-archiv: „%1“ steht schon in Bereich %2 und wird nicht "
                                    "noch einmal hinzugefügt")
                         .arg(text, QString::number(bereich)));
            continue;
        }
        bestand.texte.insert(text);
        neu += bytes + "\r\n";
        ++hinzu;
    }
    if (hinzu > 0) {
        // Without a line end of its own, the last line would run into the first new one.
        if (!bestand.bytes.isEmpty() && !bestand.bytes.endsWith('\r') &&
            !bestand.bytes.endsWith("\r\n"))
            neu.prepend("\r\n");
        // The whole archive goes into a new file that replaces the old one only
        // when complete: a full disk or a crash loses nothing.
        Ausgabeziel ziel(pfad, k.aus);
        ziel.oeffnen();
        ziel.schreiben(bestand.bytes);
        ziel.schreiben(neu);
        ziel.abschliessen();
        if (!kopiert.isEmpty())
            k.melden(QStringLiteral("sprho-archiv: „%1“ angelegt als Kopie von „%2“")
                         .arg(pfad, kopiert));
    }
    k.melden(QStringLiteral("sprho-archiv: „%2“, Bereich %3: Einträge hinzugefügt: %1, Zeichen "
                            "ersetzt: %4%5")
                 .arg(QString::number(hinzu), pfad, QString::number(bereich),
                      QString::number(ersetzungen ? ersetzungen->anzahl() : 0),
                      ersetzungen ? ersetzungen->beispiele() : QString()));
    return status::ok;
}
