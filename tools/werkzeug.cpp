#include "werkzeug.h"

namespace {

const QString version = QStringLiteral("sprho-archiv 2.3.2\n");

const QString hilfe = QStringLiteral(
    "Aufruf: sprho-archiv BEFEHL [OPTIONEN] [ARGUMENTE]\n"
    "\n"
    "Archive für Spruchhort packen, auspacken, prüfen und durchsuchen.\n"
    "\n"
    "Befehle:\n"
    "  pack EINGABE AUSGABE     lesbaren UTF-8-Text (eine Archivzeile pro Zeile) zu einem\n"
    "                           verschlüsselten Archiv packen; \"-\" steht für stdin/stdout.\n"
    "                           Bei einem Fehler bleibt AUSGABE unverändert.\n"
    "  unpack ARCHIV AUSGABE    ein Archiv wieder als lesbaren UTF-8-Text auspacken\n"
    "  check [ARCHIV]           Zeilen, Kommentare, Einträge je Bereich, leere, doppelte und\n"
    "                           zu lange Einträge (über 160 Zeichen) zählen\n"
    "  search [--archive DATEI] [--area 0|1|2] [-0|--null] [BEGRIFF]\n"
    "                           ein Suchlauf wie im Fenster; die gefundenen Texte in der\n"
    "                           Reihenfolge der Ergebnisliste, die Trefferzahl als letzte\n"
    "                           Zeile auf stderr\n"
    "  category [--archive DATEI] [--yes] [-0|--null] NAME\n"
    "                           die Kategoriesuche wie im Fenster\n"
    "  category --list          die Namen der Kategorien\n"
    "  random [--archive DATEI] [--area 0|1|2 | --category NAME [--yes]] [--seed N]\n"
    "         [-0|--null]       einen zufälligen Eintrag, jeder gleich wahrscheinlich: aus\n"
    "                           dem Bereich (Standard 0) oder aus dem, was die Kategorie-\n"
    "                           suche listet; mit --seed N bei jedem Aufruf denselben\n"
    "\n"
    "Zeilen im Archiv: \"#\" am Anfang ist ein Kommentar, \"[\" ein Eintrag der\n"
    "Dumm-Anmach-Sprüche (Bereich 1), \"]\" ein Eintrag der Weicheier (Bereich 2),\n"
    "alles andere gehört zur SMS-Datenbank (Bereich 0). Standardarchiv: sprho.dat\n"
    "\n"
    "Rückgabewert: 0 bei Erfolg, 1 bei einem Fehler, 2 bei falscher Bedienung.\n"
    "\n"
    "  -h, --help               diese Hilfe\n"
    "  --version                die Version\n");

} // namespace

int falscheBedienung(Kanaele &k, const QString &was)
{
    k.melden(
        QStringLiteral("sprho-archiv: %1\n„sprho-archiv --help“ zeigt die Bedienung.").arg(was));
    return status::bedienung;
}

int sprhoArchiv(const QStringList &argumente, Kanaele &k)
{
    if (argumente.isEmpty())
        return falscheBedienung(k, QStringLiteral("kein Befehl angegeben"));
    const QString &befehl = argumente.first();
    const QStringList rest = argumente.sliced(1);

    if (befehl == QStringLiteral("--help") || befehl == QStringLiteral("-h") ||
        befehl == QStringLiteral("help") || rest.contains(QStringLiteral("--help"))) {
        k.schreiben(hilfe);
        return status::ok;
    }
    if (befehl == QStringLiteral("--version")) {
        k.schreiben(version);
        return status::ok;
    }
    if (befehl == QStringLiteral("pack"))
        return packen(rest, k);
    if (befehl == QStringLiteral("unpack"))
        return entpacken(rest, k);
    if (befehl == QStringLiteral("check"))
        return pruefen(rest, k);
    if (befehl == QStringLiteral("search"))
        return suchen(rest, k);
    if (befehl == QStringLiteral("category"))
        return kategorie(rest, k);
    if (befehl == QStringLiteral("random"))
        return zufall(rest, k);
    return falscheBedienung(k, QStringLiteral("unbekannter Befehl „%1“").arg(befehl));
}
