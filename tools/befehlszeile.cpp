#include "tools/befehlszeile.h"

#include "kommandozeile/parserfehler.h"
#include "tools/abbruch.h"
#include "tools/archivsuche.h"

#include <utility>
#include <vector>

namespace {

// Everything before the options of sprho-archiv itself: the subcommands are
// grouped and wrapped by hand, which no list of options gives.
const QString hilfeAnfang = QStringLiteral(
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
    "\n");

// One option of a subcommand: its names (the last is the one the code asks
// for), the name of its value (none: a switch), what it does, and what to say
// when its value is missing.
struct Option {
    QStringList namen;
    QString wert;
    QString beschreibung;
    QString ohneWert;
};

const QString archivName = QStringLiteral("archive");
const QString bereichName = QStringLiteral("area");
const QString nullName = QStringLiteral("null");
const QString ersetzenName = QStringLiteral("replace");
const QString bereichFalsch = QStringLiteral("--area erwartet 0, 1 oder 2");

const Option hilfe{
    {QStringLiteral("h"), QStringLiteral("help")}, {}, QStringLiteral("diese Hilfe"), {}};
const Option version{{QStringLiteral("version")}, {}, QStringLiteral("die Version"), {}};

// Options that several subcommands share.
const Option archiv{{archivName},
                    QStringLiteral("DATEI"),
                    QStringLiteral("das Archiv DATEI statt des ersten vorhandenen"),
                    QStringLiteral("--archive braucht eine Datei")};
const Option bereich{{bereichName},
                     QStringLiteral("0|1|2"),
                     QStringLiteral("der Bereich: 0 SMS-Datenbank, 1 Dumm-Anmach-Sprüche, "
                                    "2 Weicheier"),
                     bereichFalsch};
const Option nul{{QStringLiteral("0"), nullName},
                 {},
                 QStringLiteral("jeden Text mit einem NUL-Byte statt einem Zeilenvorschub "
                                "beenden"),
                 {}};
const Option ersetzen{{ersetzenName},
                      {},
                      QStringLiteral("was Windows-1252 nicht kennt, durch die nächste Form "
                                     "ersetzen"),
                      {}};
const Option format{{QStringLiteral("format")},
                    QStringLiteral("lines|fortune"),
                    QStringLiteral("eine Archivzeile je Zeile, oder Einträge getrennt durch "
                                   "Zeilen mit nur „%“"),
                    QStringLiteral("--format erwartet lines oder fortune")};
const Option erzwingen{{QStringLiteral("force")},
                       {},
                       QStringLiteral("AUSGABE ersetzen, auch wenn ihr dabei Zeilen verloren "
                                      "gehen"),
                       {}};
const Option ja{{QStringLiteral("yes")},
                {},
                QStringLiteral("die Kategorie mit Warnung ohne Rückfrage durchsuchen"),
                {}};

const std::vector<std::pair<QString, std::vector<Option>>> befehlsoptionen{
    {QStringLiteral("pack"),
     {format,
      {{QStringLiteral("encoding")},
       QStringLiteral("utf-8|windows-1252"),
       QStringLiteral("die Kodierung der Eingaben"),
       QStringLiteral("--encoding erwartet utf-8 oder windows-1252")},
      ersetzen,
      {{QStringLiteral("skip")},
       {},
       QStringLiteral("Einträge auslassen, die mit „#“, „[“ oder „]“ begännen"),
       {}},
      bereich,
      erzwingen}},
    {QStringLiteral("unpack"), {format, bereich, erzwingen}},
    {QStringLiteral("add"), {archiv, bereich, ersetzen}},
    {QStringLiteral("check"),
     {{{QStringLiteral("all")}, {}, QStringLiteral("alle Fundstellen statt zehn je Art"), {}},
      archiv}},
    {QStringLiteral("search"),
     {archiv,
      bereich,
      {{QStringLiteral("all")}, {}, QStringLiteral("alle Treffer statt höchstens 100"), {}},
      nul}},
    {QStringLiteral("category"),
     {archiv,
      ja,
      {{QStringLiteral("list")}, {}, QStringLiteral("die Namen der Kategorien"), {}},
      nul}},
    {QStringLiteral("random"),
     {archiv,
      bereich,
      {{QStringLiteral("category")},
       QStringLiteral("NAME"),
       QStringLiteral("aus dem, was die Kategoriesuche NAME listet"),
       QStringLiteral("--category braucht einen NAMEN")},
      ja,
      {{QStringLiteral("seed")},
       QStringLiteral("N"),
       QStringLiteral("bei jedem Aufruf mit demselben N derselbe Eintrag"),
       QStringLiteral("--seed erwartet eine ganze Zahl ab 0")},
      nul}},
};

QCommandLineOption alsParseroption(const Option &option)
{
    return {option.namen, option.beschreibung, option.wert};
}

// "  -h, --help               diese Hilfe": names and description in the
// columns of the subcommands above.
QString hilfezeile(const QCommandLineOption &option)
{
    QStringList namen;
    for (const QString &name : option.names())
        namen.append(mitStrichen(name));
    constexpr qsizetype spalte = 25;
    return QStringLiteral("  ") + namen.join(QStringLiteral(", ")).leftJustified(spalte) +
           option.description() + u'\n';
}

} // namespace

QStringList befehlsnamen()
{
    QStringList namen;
    for (const auto &[name, optionen] : befehlsoptionen)
        namen.append(name);
    return namen;
}

QCommandLineOption hilfeOption()
{
    return alsParseroption(hilfe);
}

QCommandLineOption versionOption()
{
    return alsParseroption(version);
}

QString hilfetext()
{
    return hilfeAnfang + hilfezeile(hilfeOption()) + hilfezeile(versionOption());
}

Befehlszeile::Befehlszeile(QString befehl) : m_befehl(std::move(befehl))
{
    std::vector<Option> optionen{hilfe};
    for (const auto &[name, eigene] : befehlsoptionen) {
        if (name == m_befehl)
            optionen.insert(optionen.end(), eigene.begin(), eigene.end());
    }
    for (const Option &option : optionen) {
        m_optionen.append(alsParseroption(option));
        m_parser.addOption(m_optionen.last());
        if (!option.wert.isEmpty())
            m_ohneWert[option.namen.last()] = option.ohneWert;
    }
}

void Befehlszeile::lesen(const QStringList &argumente)
{
    const bool gelesen = m_parser.parse(QStringList{m_befehl} + argumente);
    if (m_parser.isSet(QStringLiteral("help")))
        throw Fertig{hilfetext()};
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
}

QStringList Befehlszeile::optionen() const
{
    QStringList namen;
    for (const QCommandLineOption &option : m_optionen) {
        for (const QString &name : option.names())
            namen.append(mitStrichen(name));
    }
    return namen;
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
    const auto gefunden = parserfehler(m_parser, QStringList{m_befehl} + argumente);
    if (!gefunden)
        return m_parser.errorText();
    const auto unbekannt = [](const QString &option) {
        return aufDeutsch({Parserfehler::Art::UnbekannteOption, option, option});
    };
    // Named by its letters: "-x" for "--x" too, as the parser splits "-xy".
    if (gefunden->art == Parserfehler::Art::UnbekannteOption)
        return unbekannt(mitStrichen(m_parser.unknownOptionNames().first()));
    // A value given to a switch reads as an option of that name, which there
    // is not: "--null=x". The parser keeps only its last complaint; this one
    // is told first, wherever it stands.
    for (const QString &argument : argumente) {
        if (argument == QStringLiteral("--"))
            break;
        const QString name = argument.section(u'=', 0, 0).sliced(qMin(2, argument.size()));
        if (argument.startsWith(QStringLiteral("--")) && argument.contains(u'=') &&
            !m_ohneWert.contains(name))
            return unbekannt(argument);
    }
    if (gefunden->art == Parserfehler::Art::WertUnerwartet)
        return unbekannt(gefunden->argument);
    for (const auto &[name, ohneWert] : m_ohneWert) {
        if (gefunden->option == mitStrichen(name))
            return ohneWert;
    }
    return aufDeutsch(*gefunden);
}
