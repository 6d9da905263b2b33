#include "tools/befehlszeile.h"

#include "tools/abbruch.h"
#include "tools/archivsuche.h"

namespace {

const QString hilfe = QStringLiteral(
    "Aufruf: sprho-archiv BEFEHL [OPTIONEN] [ARGUMENTE]\n"
    "\n"
    "Archive für Spruchhort packen, auspacken, ergänzen, prüfen und durchsuchen.\n"
    "\n"
    "Befehle:\n"
    "  pack [--format lines|fortune] [--encoding utf-8|windows-1252] [--replace]\n"
    "       [--skip] [--area 0|1|2] [--force] EINGABE... AUSGABE\n"
    "                           lesbaren Text zu einem verwürfelten Archiv packen;\n"
    "                           \"-\" steht für stdin/stdout. lines (Standard): eine\n"
    "                           Archivzeile pro Zeile. fortune: Einträge getrennt\n"
    "                           durch Zeilen mit nur \"%\", ihre Zeilen getrimmt und\n"
    "                           mit einem Leerzeichen verbunden, alle in den Bereich\n"
    "                           --area. --encoding windows-1252 liest\n"
    "                           Windows-Dateien; --replace ersetzt, was Windows-1252\n"
    "                           nicht kennt, durch die nächste Form (\"―\" -> \"-\",\n"
    "                           Emoji -> \"?\"); --skip lässt Einträge aus, die mit\n"
    "                           \"#\", \"[\" oder \"]\" begännen. Am Ende eine\n"
    "                           Zusammenfassung auf stderr. Bei einem Fehler bleibt\n"
    "                           AUSGABE unverändert, ebenso ein Archiv AUSGABE mit\n"
    "                           Zeilen, die das neue nicht hätte (etwa mit add\n"
    "                           hinzugefügte); --force ersetzt es trotzdem.\n"
    "  unpack [--format lines|fortune] [--area 0|1|2] [--force] [ARCHIV] AUSGABE\n"
    "                           ein Archiv wieder als lesbaren UTF-8-Text auspacken;\n"
    "                           fortune: die Einträge eines Bereichs (Standard 0), je\n"
    "                           mit einer Zeile \"%\" danach, für strfile und fortune.\n"
    "                           Eine Datei AUSGABE mit Zeilen, die das Archiv nicht\n"
    "                           enthält (noch nicht gepackte Änderungen), bleibt\n"
    "                           unverändert; --force ersetzt sie trotzdem.\n"
    "  add [--archive DATEI] [--area 0|1|2] [--replace] TEXT...\n"
    "                           Texte anhängen (\"-\": eine Zeile von stdin je Text);\n"
    "                           was schon im Bereich steht, kommt nicht doppelt\n"
    "                           hinein. Ohne --archive: ./sprho.dat, wenn es das\n"
    "                           gibt, sonst $XDG_DATA_HOME/spruchhort/sprho.dat; das\n"
    "                           wird als Kopie des Archivs angelegt, das ohne\n"
    "                           --archive gilt (etwa des Beispielarchivs)\n"
    "  check [--all] [--archive DATEI | ARCHIV]\n"
    "                           Zeilen, Kommentare, Einträge je Bereich, leere,\n"
    "                           doppelte und zu lange Einträge (über 160 Zeichen)\n"
    "                           zählen; je Art die ersten zehn Fundstellen, mit --all\n"
    "                           alle\n"
    "  search [--archive DATEI] [--area 0|1|2] [--all] [-0|--null] [BEGRIFF]\n"
    "                           ein Suchlauf wie im Fenster; die gefundenen Texte in\n"
    "                           der Reihenfolge der Ergebnisliste, die Trefferzahl\n"
    "                           als letzte Zeile auf stderr. Wie das Fenster hört er\n"
    "                           nach 100 Treffern auf; --all zeigt alle\n"
    "  category [--archive DATEI] [--yes] [-0|--null] NAME\n"
    "                           die Kategoriesuche wie im Fenster\n"
    "  category --list          die Namen der Kategorien\n"
    "  random [--archive DATEI] [--area 0|1|2 | --category NAME [--yes]] [--seed N]\n"
    "         [-0|--null]       einen zufälligen Eintrag, jeder gleich\n"
    "                           wahrscheinlich: aus dem Bereich (Standard 0) oder aus\n"
    "                           dem, was die Kategoriesuche listet; mit --seed N bei\n"
    "                           jedem Aufruf denselben\n"
    "\n"
    "Zeilen im Archiv: \"#\" am Anfang ist ein Kommentar, \"[\" ein Eintrag der\n"
    "Dumm-Anmach-Sprüche (Bereich 1), \"]\" ein Eintrag der Weicheier (Bereich 2),\n"
    "alles andere gehört zur SMS-Datenbank (Bereich 0). Das Archiv ist Windows-1252:\n"
    "U+0081, U+008D, U+008F, U+0090 und U+009D hält es nicht.\n"
    "\n"
    "Ohne --archive (und ohne ARCHIV) gilt das erste vorhandene von: sprho.dat im\n"
    "Arbeitsordner, $XDG_DATA_HOME/spruchhort/sprho.dat (~/.local/share/...),\n"
    "spruchhort/sprho.dat in jedem Ordner von $XDG_DATA_DIRS (/usr/local/share,\n"
    "/usr/share), also auch das installierte Beispielarchiv.\n"
    "\n"
    "Beispiel: alle Fortune-Dateien eines Ordners zu einem Archiv\n"
    "  sprho-archiv pack --format fortune --replace --skip \\\n"
    "      $(find /usr/share/games/fortunes/de -type f \\\n"
    "          ! -name '*.dat' ! -name '*.u8') sprueche.dat\n"
    "\n"
    "Rückgabewert: 0 bei Erfolg, 1 bei einem Fehler, 2 bei falscher Bedienung.\n"
    "\n"
    "  -h, --help               diese Hilfe\n"
    "  --version                die Version\n");

QString optionsname(const QString &name)
{
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

const QString archivName = QStringLiteral("archive");
const QString bereichName = QStringLiteral("area");
const QString nullName = QStringLiteral("null");
const QString ersetzenName = QStringLiteral("replace");
const QString bereichFalsch = QStringLiteral("--area erwartet 0, 1 oder 2");

} // namespace

QString hilfetext()
{
    return hilfe;
}

void scheitern(const QString &grund)
{
    throw Abbruch{status::fehler, QStringLiteral("sprho-archiv: ") + grund};
}

void falschBedient(const QString &was)
{
    throw Abbruch{
        status::bedienung,
        QStringLiteral("sprho-archiv: %1\n„sprho-archiv --help“ zeigt die Bedienung.").arg(was)};
}

Befehlszeile::Befehlszeile(QString befehl, std::initializer_list<Gemeinsam> gemeinsame)
    : m_befehl(std::move(befehl))
{
    schalter({QStringLiteral("h"), QStringLiteral("help")});
    for (const Gemeinsam option : gemeinsame) {
        switch (option) {
        case Gemeinsam::Archiv:
            wert(archivName, QStringLiteral("--archive braucht eine Datei"));
            break;
        case Gemeinsam::Bereich:
            wert(bereichName, bereichFalsch);
            break;
        case Gemeinsam::Null:
            schalter({QStringLiteral("0"), nullName});
            break;
        case Gemeinsam::Ersetzen:
            schalter({ersetzenName});
            break;
        }
    }
}

void Befehlszeile::schalter(const QStringList &namen)
{
    m_parser.addOption(QCommandLineOption(namen));
}

void Befehlszeile::wert(const QString &name, const QString &ohneWert)
{
    m_parser.addOption(QCommandLineOption(name, QString(), QStringLiteral("WERT")));
    m_ohneWert[name] = ohneWert;
}

bool Befehlszeile::lesen(const QStringList &argumente, Kanaele &k)
{
    // The parser's own messages are English; only what failed is taken from it.
    const bool gelesen = m_parser.parse(QStringList{m_befehl} + argumente);
    if (m_parser.isSet(QStringLiteral("help"))) {
        k.schreiben(hilfe);
        return false;
    }
    if (!gelesen)
        falschBedient(bedienfehler(argumente));
    for (const auto &[name, ohneWert] : m_ohneWert) {
        if (m_parser.isSet(name) && m_parser.value(name).isEmpty())
            falschBedient(ohneWert);
    }
    if (bereichGenannt()) {
        const QString zahl = wertVon(bereichName);
        if (zahl != QStringLiteral("0") && zahl != QStringLiteral("1") &&
            zahl != QStringLiteral("2"))
            falschBedient(bereichFalsch);
        m_bereich = zahl.toShort();
    }
    return true;
}

bool Befehlszeile::archivGenannt() const
{
    return m_ohneWert.contains(archivName) && gesetzt(archivName);
}

QString Befehlszeile::archiv() const
{
    return archivGenannt() ? wertVon(archivName) : archivsuche::finden();
}

bool Befehlszeile::bereichGenannt() const
{
    return m_ohneWert.contains(bereichName) && gesetzt(bereichName);
}

bool Befehlszeile::nul() const
{
    return gesetzt(nullName);
}

bool Befehlszeile::ersetzen() const
{
    return gesetzt(ersetzenName);
}

QString Befehlszeile::bedienfehler(const QStringList &argumente) const
{
    if (const QStringList unbekannt = m_parser.unknownOptionNames(); !unbekannt.isEmpty())
        return QStringLiteral("unbekannte Option „%1“").arg(optionsname(unbekannt.first()));
    // A value given to an option that takes none: "--null=x".
    for (const QString &argument : argumente) {
        if (argument == QStringLiteral("--"))
            break;
        const QString name = argument.section(u'=', 0, 0).sliced(qMin(2, argument.size()));
        if (argument.startsWith(QStringLiteral("--")) && argument.contains(u'=') &&
            !m_ohneWert.contains(name))
            return QStringLiteral("unbekannte Option „%1“").arg(argument);
    }
    // An option that needs a value stood last.
    const QString letztes = argumente.isEmpty() ? QString() : argumente.last();
    for (const auto &[name, ohneWert] : m_ohneWert) {
        if (letztes == optionsname(name))
            return ohneWert;
    }
    return m_parser.errorText();
}
