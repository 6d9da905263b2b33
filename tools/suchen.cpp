#include "search/meldungen.h"
#include "search/speicher_anzeige.h"
#include "search/suchmaschine.h"
#include "tools/befehle.h"
#include "tools/befehlszeile.h"

namespace {

const QString nurEinBegriff =
    QStringLiteral("nur ein Suchbegriff erlaubt (mit Leerzeichen in Anführungszeichen)");

// The options search and category share.
void gemeinsameOptionen(Befehlszeile &zeile)
{
    zeile.wert(QStringLiteral("archive"), QStringLiteral("--archive braucht eine Datei"));
    zeile.schalter({QStringLiteral("0"), QStringLiteral("null")});
}

void ausgeben(Kanaele &k, const SpeicherAnzeige &anzeige, bool nul)
{
    // Entry by entry: a list-only area can hold many thousands.
    const char ende = nul ? '\0' : '\n';
    for (const QString &eintrag : anzeige.eintraege()) {
        k.aus.write(eintrag.toUtf8());
        k.aus.write(&ende, 1);
    }
    // Last line of standard error, exactly as the window shows it.
    k.melden(anzeige.anzahlMeldung());
}

int suchfehler(Kanaele &k, const Suchmaschine &maschine)
{
    return suchfehler(k, maschine.archivPfad(), maschine.fehler());
}

} // namespace

QString archivAus(const Befehlszeile &zeile)
{
    return zeile.gesetzt(QStringLiteral("archive")) ? zeile.wertVon(QStringLiteral("archive"))
                                                    : meldungen::archivName;
}

int suchfehler(Kanaele &k, const QString &archiv, const QString &grund)
{
    k.melden(QStringLiteral("sprho-archiv: Suchlauf fehlgeschlagen: „%1“: %2").arg(archiv, grund));
    return status::fehler;
}

std::optional<int> kategorieSuchen(Suchmaschine &maschine, const QString &name, bool ja,
                                   SpeicherAnzeige &anzeige, Kanaele &k)
{
    const auto ausgang =
        maschine.kategoriesuche(name, anzeige, [&] { return ja || nachfragen(k); });
    if (ausgang == Suchmaschine::Ausgang::Abgelehnt) {
        k.melden(QStringLiteral("sprho-archiv: abgelehnt; mit --yes wird „%1“ ohne Rückfrage "
                                "durchsucht")
                     .arg(name));
        return status::fehler;
    }
    if (ausgang == Suchmaschine::Ausgang::Fehler)
        return suchfehler(k, maschine);
    return std::nullopt;
}

bool nachfragen(Kanaele &k)
{
    k.melden(meldungen::versautFrage);
    if (!k.eingabeIstTerminal)
        return false;
    k.fehler.write("Ja/Nein? ");
    const QString antwort = QString::fromUtf8(k.ein.readLine()).trimmed().toLower();
    return antwort == QStringLiteral("ja") || antwort == QStringLiteral("j") ||
           antwort == QStringLiteral("yes") || antwort == QStringLiteral("y");
}

// One search pass, as the window's search button runs it.
int suchen(const QStringList &argumente, Kanaele &k)
{
    Befehlszeile zeile(QStringLiteral("search"));
    gemeinsameOptionen(zeile);
    const QString bereichFalsch = QStringLiteral("--area erwartet 0, 1 oder 2");
    zeile.wert(QStringLiteral("area"), bereichFalsch);
    if (const auto ende = zeile.lesen(argumente, k))
        return *ende;
    if (zeile.argumente().size() > 1)
        return falscheBedienung(k, nurEinBegriff);
    qint16 bereich = 0;
    if (zeile.gesetzt(QStringLiteral("area"))) {
        const QString zahl = zeile.wertVon(QStringLiteral("area"));
        if (zahl != QStringLiteral("0") && zahl != QStringLiteral("1") &&
            zahl != QStringLiteral("2"))
            return falscheBedienung(k, bereichFalsch);
        bereich = zahl.toShort();
    }

    Suchmaschine maschine(archivAus(zeile), k.archivOeffnen);
    maschine.bereichWaehlen(bereich);
    SpeicherAnzeige anzeige;
    if (maschine.suchlauf(zeile.argumente().value(0), anzeige) != Suchmaschine::Ausgang::Erledigt)
        return suchfehler(k, maschine);
    ausgeben(k, anzeige, zeile.gesetzt(QStringLiteral("null")));
    return status::ok;
}

// The category search, as choosing a category in the window runs it.
int kategorie(const QStringList &argumente, Kanaele &k)
{
    Befehlszeile zeile(QStringLiteral("category"));
    gemeinsameOptionen(zeile);
    zeile.schalter({QStringLiteral("yes")});
    zeile.schalter({QStringLiteral("list")});
    if (const auto ende = zeile.lesen(argumente, k))
        return *ende;
    if (zeile.argumente().size() > 1)
        return falscheBedienung(k, nurEinBegriff);

    Suchmaschine maschine(archivAus(zeile), k.archivOeffnen);
    maschine.kateg_laden();
    if (zeile.gesetzt(QStringLiteral("list"))) {
        k.schreiben(maschine.kategorien().namen().join(u'\n') + u'\n');
        return status::ok;
    }
    if (zeile.argumente().isEmpty())
        return falscheBedienung(k, QStringLiteral("category erwartet einen NAMEN oder --list"));
    const QString name = zeile.argumente().first();
    if (maschine.kategorien().zeileZu(name) == 0) {
        return falscheBedienung(
            k, QStringLiteral("unbekannte Kategorie „%1“ (--list zeigt alle)").arg(name));
    }

    SpeicherAnzeige anzeige;
    if (const auto ende =
            kategorieSuchen(maschine, name, zeile.gesetzt(QStringLiteral("yes")), anzeige, k))
        return *ende;
    ausgeben(k, anzeige, zeile.gesetzt(QStringLiteral("null")));
    return status::ok;
}
