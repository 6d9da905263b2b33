#include "archive/archiv_leser.h"
#include "archive/archivorte.h"
#include "archive/archivzeile.h"
#include "tools/abbruch.h"
#include "tools/archivsuche.h"
#include "tools/archivtext.h"
#include "tools/ausgabeziel.h"
#include "tools/befehle.h"
#include "tools/befehlszeile.h"
#include "tools/ersetzer.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QSet>
#include <QStringDecoder>

#include <memory>
#include <optional>
#include <string_view>

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

// The archive to read, or nothing when there is none yet: a missing archive
// is an empty one. One that cannot be opened ends the run.
std::unique_ptr<ArchivLeser> leserFuer(const QString &pfad, Kanaele &k)
{
    if (!k.archivOeffnen && !QFileInfo::exists(pfad))
        return nullptr;
    auto leser = k.archivOeffnen ? std::make_unique<ArchivLeser>(k.archivOeffnen())
                                 : std::make_unique<ArchivLeser>(pfad);
    if (!leser->oeffnen())
        unlesbar(pfad, leser->fehler());
    return leser;
}

// The texts as they would be stored, after --replace: what the archive is
// searched for before any text is checked.
QSet<QString> gesuchteTexte(const QStringList &texte, bool ersetzen)
{
    if (!ersetzen)
        return {texte.begin(), texte.end()};
    const Ersetzer ersetzer;
    QSet<QString> gesucht;
    for (const QString &text : texte)
        gesucht.insert(ersetzer.ersetzen(text, [](const QString &, const QString &) {}));
    return gesucht;
}

// Which of the texts sought the area already holds, line by line as the
// archive passes: memory grows with the longest line and the new texts, not
// with the archive.
QSet<QString> schonDa(const QString &pfad, qint16 bereich, const QSet<QString> &gesucht, Kanaele &k)
{
    QSet<QString> gefunden;
    const auto leser = leserFuer(pfad, k);
    if (!leser)
        return gefunden;
    std::string_view zeile;
    while (leser->naechsteZeile(zeile)) {
        const auto gelesen = eintrag(zeile);
        if (!gelesen || gelesen->bereich != bereich)
            continue;
        QString text = klartext(gelesen->text);
        if (gesucht.contains(text))
            gefunden.insert(std::move(text));
    }
    if (leser->fehlgeschlagen())
        unlesbar(pfad, leser->fehler());
    return gefunden;
}

// The lines to append, in the order of the texts. Each text is checked and
// converted; one the area already holds (vorhanden, then each one added
// before it) is named and left out.
struct Neues {
    QByteArray zeilen;
    qint64 anzahl = 0;
};

Neues neueZeilen(const QStringList &texte, qint16 bereich, QSet<QString> vorhanden,
                 std::optional<Ersetzungen> &ersetzungen, Kanaele &k)
{
    Neues neu;
    for (QString text : texte) {
        const QString ort = QStringLiteral("„%1“, ").arg(text);
        if (text.contains(u'\n'))
            scheitern(ort +
                      QStringLiteral("ein Eintrag ist eine Zeile; ein Zeilenumbruch geht nicht"));
        if (ersetzungen)
            text = ersetzungen->ersetzen(text, ort);
        if (bereich == 0 && markeAmAnfang(text))
            scheitern(ort + QStringLiteral("beginnt mit „%1“ und würde als Kommentar oder "
                                           "Listeneintrag gelesen")
                                .arg(*markeAmAnfang(text)));
        const QByteArray bytes = archivzeileFuer(mitBereichsmarke(text, bereich), ort);
        if (vorhanden.contains(text)) {
            k.melden(QStringLiteral("sprho-archiv: „%1“ steht schon in Bereich %2 und wird nicht "
                                    "noch einmal hinzugefügt")
                         .arg(text, QString::number(bereich)));
            continue;
        }
        vorhanden.insert(text);
        neu.zeilen += bytes + "\r\n";
        ++neu.anzahl;
    }
    return neu;
}

// Copies the archive at quelle into ziel block by block. True when its last
// line has no line end of its own: the first new line would run into it.
bool abschreiben(const QString &quelle, Ausgabeziel &ziel, Kanaele &k)
{
    const auto leser = leserFuer(quelle, k);
    if (!leser)
        return false;
    bool offen = false;
    std::string_view block;
    while (leser->naechsterBlock(block)) {
        // A block ends just after a line end or at the end of the archive,
        // never between a CR and its LF.
        offen = !block.ends_with('\r') && !block.ends_with("\r\n");
        ziel.schreiben(QByteArray::fromRawData(block.data(), static_cast<qsizetype>(block.size())));
    }
    if (leser->fehlgeschlagen())
        unlesbar(quelle, leser->fehler());
    return offen;
}

// The archive at quelle and the new lines go into a new file at pfad that
// replaces the old one only when complete: a full disk or a crash loses
// nothing.
void schreiben(const QString &pfad, const QString &quelle, QByteArray neu, Kanaele &k)
{
    Ausgabeziel ziel(pfad, k.aus);
    ziel.oeffnen();
    if (abschreiben(quelle, ziel, k))
        neu.prepend("\r\n");
    ziel.schreiben(neu);
    ziel.abschliessen();
}

// Only one add at a time on an archive: two at once would each rewrite it
// from what they read, and the later rename would drop the other's texts.
void sperren(QLockFile &sperre, const QString &pfad)
{
    if (!sperre.tryLock(sperrWartezeit))
        scheitern(sperre.error() == QLockFile::LockFailedError
                      ? QStringLiteral("„%1“ wird gerade von einem anderen Vorgang geändert; "
                                       "bitte noch einmal versuchen")
                            .arg(pfad)
                      : QStringLiteral("„%1.lock“ kann nicht angelegt werden").arg(pfad));
}

} // namespace

// Appends texts to an archive. The archive is read twice, a block at a time:
// once to find the texts it already holds, then to copy it byte for byte
// ahead of the new lines. Between the two, every text is checked and every
// message given, so nothing is written unless there is something to add.
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

    QLockFile sperre(pfad + QStringLiteral(".lock"));
    sperren(sperre, pfad);
    // A new user archive starts as a copy of the archive every other command
    // reads without --archive (the installed sample, where there is one), so
    // nothing the user could find before disappears once the user's own
    // archive comes first; with none found it starts empty. Looked at under
    // the lock: of two first adds, the later finds the copy.
    const QString kopiert = zeile.archivGenannt() || QFileInfo::exists(pfad)
                                ? QString()
                                : archivorte::erster().value_or(QString());
    const QString quelle = kopiert.isEmpty() ? pfad : kopiert;
    std::optional<Ersetzungen> ersetzungen;
    if (zeile.ersetzen())
        ersetzungen.emplace();
    const QSet<QString> vorhanden =
        schonDa(quelle, bereich, gesuchteTexte(texte, zeile.ersetzen()), k);
    const Neues neu = neueZeilen(texte, bereich, vorhanden, ersetzungen, k);
    if (neu.anzahl > 0) {
        schreiben(pfad, quelle, neu.zeilen, k);
        if (!kopiert.isEmpty())
            k.melden(QStringLiteral("sprho-archiv: „%1“ angelegt als Kopie von „%2“")
                         .arg(pfad, kopiert));
    }
    k.melden(QStringLiteral("sprho-archiv: „%2“, Bereich %3: Einträge hinzugefügt: %1, Zeichen "
                            "ersetzt: %4%5")
                 .arg(QString::number(neu.anzahl), pfad, QString::number(bereich),
                      QString::number(ersetzungen ? ersetzungen->anzahl() : 0),
                      ersetzungen ? ersetzungen->beispiele() : QString()));
    return status::ok;
}
