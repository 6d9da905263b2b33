#include "search/meldungen.h"
#include "search/speicher_anzeige.h"
#include "search/suchmaschine.h"
#include "tools/abbruch.h"
#include "tools/befehle.h"
#include "tools/befehlszeile.h"

namespace {

const QString nurEinBegriff =
    QStringLiteral("nur ein Suchbegriff erlaubt (mit Leerzeichen in Anführungszeichen)");

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

[[noreturn]] void suchfehler(const Suchmaschine &maschine)
{
    scheitern(QStringLiteral("Suchlauf fehlgeschlagen: „%1“: %2")
                  .arg(maschine.archivPfad(), maschine.fehler()));
}

} // namespace

bool kategorieSuchen(Suchmaschine &maschine, const QString &name, bool ja, SpeicherAnzeige &anzeige,
                     Kanaele &k)
{
    const auto ausgang =
        maschine.kategoriesuche(name, anzeige, [&] { return ja || nachfragen(k); });
    if (ausgang == Suchmaschine::Ausgang::Abgelehnt)
        scheitern(
            QStringLiteral("abgelehnt; mit --yes wird „%1“ ohne Rückfrage durchsucht").arg(name));
    return ausgang != Suchmaschine::Ausgang::Fehler;
}

QStringList kategorienamen()
{
    // The table is fixed: naming the categories needs no archive.
    Suchmaschine maschine(QString(), {});
    maschine.kateg_laden();
    return maschine.kategorien().namen();
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
    Befehlszeile zeile(QStringLiteral("search"),
                       {Gemeinsam::Archiv, Gemeinsam::Bereich, Gemeinsam::Null});
    if (!zeile.lesen(argumente, k))
        return status::ok;
    if (zeile.argumente().size() > 1)
        falschBedient(nurEinBegriff);

    Suchmaschine maschine(zeile.archiv(), k.archivOeffnen);
    maschine.bereichWaehlen(zeile.bereich());
    SpeicherAnzeige anzeige;
    if (maschine.suchlauf(zeile.argumente().value(0), anzeige) != Suchmaschine::Ausgang::Erledigt)
        suchfehler(maschine);
    ausgeben(k, anzeige, zeile.nul());
    return status::ok;
}

// The category search, as choosing a category in the window runs it.
int kategorie(const QStringList &argumente, Kanaele &k)
{
    Befehlszeile zeile(QStringLiteral("category"), {Gemeinsam::Archiv, Gemeinsam::Null});
    zeile.schalter({QStringLiteral("yes")});
    zeile.schalter({QStringLiteral("list")});
    if (!zeile.lesen(argumente, k))
        return status::ok;
    if (zeile.argumente().size() > 1)
        falschBedient(nurEinBegriff);

    if (zeile.gesetzt(QStringLiteral("list"))) {
        k.schreiben(kategorienamen().join(u'\n') + u'\n');
        return status::ok;
    }
    if (zeile.argumente().isEmpty())
        falschBedient(QStringLiteral("category erwartet einen NAMEN oder --list"));
    const QString name = zeile.argumente().first();
    if (!kategorienamen().contains(name))
        falschBedient(QStringLiteral("unbekannte Kategorie „%1“ (--list zeigt alle)").arg(name));

    Suchmaschine maschine(zeile.archiv(), k.archivOeffnen);
    maschine.kateg_laden();
    SpeicherAnzeige anzeige;
    if (!kategorieSuchen(maschine, name, zeile.gesetzt(QStringLiteral("yes")), anzeige, k))
        suchfehler(maschine);
    ausgeben(k, anzeige, zeile.nul());
    return status::ok;
}
