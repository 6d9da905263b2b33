#include "tools/befehlszeile.h"

#include "kommandozeile/parserfehler.h"
#include "tools/abbruch.h"
#include "tools/archivsuche.h"

#include <utility>
#include <vector>

namespace {

// The help before the subcommands and after them; the subcommands in between
// come from the table below.
const QString hilfeKopf =
    QStringLiteral("Aufruf: sprho-archiv BEFEHL [OPTIONEN] [ARGUMENTE]\n"
                   "\n"
                   "Archive für Spruchhort packen, auspacken, ergänzen, prüfen und durchsuchen.\n"
                   "\n"
                   "Befehle:\n");
const QString hilfeSchluss = QStringLiteral(
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
// when its value is missing. An option that is a way of calling of its own
// ("category --list") has a line of its own in the help.
struct Option {
    QStringList namen;
    QString wert;
    QString beschreibung;
    QString ohneWert;
    bool eigenerAufruf = false;
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
                       QStringLiteral("AUSGABE ersetzen, auch wenn dabei Zeilen verloren gehen"),
                       {}};
const Option ja{{QStringLiteral("yes")},
                {},
                QStringLiteral("die Kategorie mit Warnung ohne Rückfrage durchsuchen"),
                {}};

// A subcommand: its options, what its synopsis names after them, and what it
// does, in the help's words. Where options go together in a way a list of
// them cannot show ("[--area 0|1|2 | --category NAME [--yes]]"), the synopsis
// after the name is written out.
struct Befehl {
    QString name;
    std::vector<Option> optionen;
    QStringList argumente;
    QString beschreibung;
    QStringList aufrufVonHand = {};
};

const std::vector<Befehl> befehle{
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
      erzwingen},
     {QStringLiteral("EINGABE..."), QStringLiteral("AUSGABE")},
     QStringLiteral(
         "lesbaren Text zu einem verwürfelten Archiv packen; \"-\" steht für stdin/stdout. "
         "lines (Standard): eine Archivzeile pro Zeile. fortune: Einträge getrennt durch Zeilen "
         "mit nur \"%\", ihre Zeilen getrimmt und mit einem Leerzeichen verbunden, alle in den "
         "Bereich --area. --encoding windows-1252 liest Windows-Dateien; --replace ersetzt, was "
         "Windows-1252 nicht kennt, durch die nächste Form (\"―\" -> \"-\", Emoji -> \"?\"); "
         "--skip lässt Einträge aus, die mit \"#\", \"[\" oder \"]\" begännen. Am Ende eine "
         "Zusammenfassung auf stderr. Bei einem Fehler bleibt AUSGABE unverändert, ebenso ein "
         "Archiv AUSGABE mit Zeilen, die das neue nicht hätte (etwa mit add hinzugefügte); "
         "--force ersetzt es trotzdem.")},
    {QStringLiteral("unpack"),
     {format, bereich, erzwingen},
     {QStringLiteral("[ARCHIV]"), QStringLiteral("AUSGABE")},
     QStringLiteral("ein Archiv wieder als lesbaren UTF-8-Text auspacken; fortune: die Einträge "
                    "eines Bereichs (Standard 0), je mit einer Zeile \"%\" danach, für strfile "
                    "und fortune. Eine Datei AUSGABE mit Zeilen, die das Archiv nicht enthält "
                    "(noch nicht gepackte Änderungen), bleibt unverändert; --force ersetzt sie "
                    "trotzdem.")},
    {QStringLiteral("add"),
     {archiv, bereich, ersetzen},
     {QStringLiteral("TEXT...")},
     QStringLiteral("Texte anhängen (\"-\": eine Zeile von stdin je Text); was schon im Bereich "
                    "steht, kommt nicht doppelt hinein. Ohne --archive: ./sprho.dat, wenn es das "
                    "gibt, sonst $XDG_DATA_HOME/spruchhort/sprho.dat; das wird als Kopie des "
                    "Archivs angelegt, das ohne --archive gilt (etwa des Beispielarchivs)")},
    {QStringLiteral("check"),
     {{{QStringLiteral("all")}, {}, QStringLiteral("alle Fundstellen statt zehn je Art"), {}},
      archiv},
     {},
     QStringLiteral("Zeilen, Kommentare, Einträge je Bereich, leere, doppelte und zu lange "
                    "Einträge (über 160 Zeichen) zählen; je Art die ersten zehn Fundstellen, mit "
                    "--all alle"),
     {QStringLiteral("[--all]"), QStringLiteral("[--archive DATEI | ARCHIV]")}},
    {QStringLiteral("search"),
     {archiv,
      bereich,
      {{QStringLiteral("all")}, {}, QStringLiteral("alle Treffer statt höchstens 100"), {}},
      nul},
     {QStringLiteral("[BEGRIFF]")},
     QStringLiteral("ein Suchlauf wie im Fenster; die gefundenen Texte in der Reihenfolge der "
                    "Ergebnisliste, die Trefferzahl als letzte Zeile auf stderr. Wie das Fenster "
                    "hört er nach 100 Treffern auf; --all zeigt alle")},
    {QStringLiteral("category"),
     {archiv,
      ja,
      {{QStringLiteral("list")}, {}, QStringLiteral("die Namen der Kategorien"), {}, true},
      nul},
     {QStringLiteral("NAME")},
     QStringLiteral("die Kategoriesuche wie im Fenster")},
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
      nul},
     {},
     QStringLiteral("einen zufälligen Eintrag, jeder gleich wahrscheinlich: aus dem Bereich "
                    "(Standard 0) oder aus dem, was die Kategoriesuche listet; mit --seed N bei "
                    "jedem Aufruf denselben"),
     {QStringLiteral("[--archive DATEI]"),
      QStringLiteral("[--area 0|1|2 | --category NAME [--yes]]"), QStringLiteral("[--seed N]"),
      QStringLiteral("[-0|--null]")}},
};

// The help's columns: the lines are at most this wide, and what a subcommand
// does starts in this column.
constexpr qsizetype hilfebreite = 80;
constexpr qsizetype beschreibungsspalte = 27;

// The words in lines no wider than the help: the first line is anfang and
// what fits after it, the others start einzug spaces in.
QStringList umbrechen(const QString &anfang, const QStringList &worte, qsizetype einzug)
{
    QStringList zeilen{anfang};
    for (const QString &wort : worte) {
        if (zeilen.last().size() + 1 + wort.size() > hilfebreite)
            zeilen.append(QString(einzug, u' ') + wort);
        else
            zeilen.last() += u' ' + wort;
    }
    return zeilen;
}

// "[--format lines|fortune]", "[-0|--null]".
QString aufrufform(const Option &option)
{
    QStringList namen;
    for (const QString &name : option.namen)
        namen.append(mitStrichen(name));
    return u'[' + namen.join(u'|') + (option.wert.isEmpty() ? QString() : u' ' + option.wert) +
           u']';
}

// A synopsis, and what it does from the description column on: beside the
// synopsis where it is short enough, else below it.
QString hilfeblock(const QString &name, const QStringList &aufruf, const QString &beschreibung)
{
    QStringList zeilen = umbrechen(QStringLiteral("  ") + name, aufruf, name.size() + 3);
    // The description's first word follows a space, in its column.
    const bool daneben = zeilen.last().size() + 2 <= beschreibungsspalte;
    const QString davor = daneben ? zeilen.takeLast().leftJustified(beschreibungsspalte - 1)
                                  : QString(beschreibungsspalte - 1, u' ');
    zeilen += umbrechen(davor, beschreibung.split(u' '), beschreibungsspalte);
    return zeilen.join(u'\n') + u'\n';
}

QString befehlshilfe(const Befehl &befehl)
{
    QStringList aufruf = befehl.aufrufVonHand;
    QString eigene;
    for (const Option &option : befehl.optionen) {
        if (option.eigenerAufruf)
            eigene +=
                hilfeblock(befehl.name, {mitStrichen(option.namen.last())}, option.beschreibung);
        else if (befehl.aufrufVonHand.isEmpty())
            aufruf.append(aufrufform(option));
    }
    return hilfeblock(befehl.name, aufruf + befehl.argumente, befehl.beschreibung) + eigene;
}

QCommandLineOption alsParseroption(const Option &option)
{
    return {option.namen, option.beschreibung, option.wert};
}

// "  -h, --help               diese Hilfe", in the columns of the
// subcommands.
QString hilfezeile(const QCommandLineOption &option)
{
    QStringList namen;
    for (const QString &name : option.names())
        namen.append(mitStrichen(name));
    return hilfeblock(namen.join(QStringLiteral(", ")), {}, option.description());
}

} // namespace

QStringList befehlsnamen()
{
    QStringList namen;
    for (const Befehl &befehl : befehle)
        namen.append(befehl.name);
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
    QString text = hilfeKopf;
    for (const Befehl &befehl : befehle)
        text += befehlshilfe(befehl);
    return text + hilfeSchluss + hilfezeile(hilfeOption()) + hilfezeile(versionOption());
}

Befehlszeile::Befehlszeile(QString befehl) : m_befehl(std::move(befehl))
{
    std::vector<Option> optionen{hilfe};
    for (const Befehl &eintrag : befehle) {
        if (eintrag.name == m_befehl)
            optionen.insert(optionen.end(), eintrag.optionen.begin(), eintrag.optionen.end());
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
