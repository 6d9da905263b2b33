#include "archive/archiv_leser.h"
#include "search/meldungen.h"
#include "search/puffersuche.h"
#include "search/speicher_anzeige.h"
#include "search/suchmaschine.h"
#include "tools/abbruch.h"
#include "tools/befehle.h"
#include "tools/befehlszeile.h"
#include "tools/naechster_name.h"

#include <limits>
#include <memory>
#include <vector>

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

[[noreturn]] void suchfehler(const QString &archiv, const QString &grund)
{
    scheitern(QStringLiteral("Suchlauf fehlgeschlagen: „%1“: %2").arg(archiv, grund));
}

// The engine tells how its passes ended; the tool fails by a throw. This is
// the one place where one becomes the other.
void durchsucht(Suchmaschine::Ausgang ausgang, const Suchmaschine &maschine, Lesefehler form,
                const QString &kategorie = {})
{
    switch (ausgang) {
    case Suchmaschine::Ausgang::Erledigt:
        return;
    case Suchmaschine::Ausgang::Abgelehnt:
        scheitern(QStringLiteral("abgelehnt; mit --yes wird „%1“ ohne Rückfrage durchsucht")
                      .arg(kategorie));
    case Suchmaschine::Ausgang::Fehler:
        break;
    }
    if (form == Lesefehler::Unlesbar)
        unlesbar(maschine.archivPfad(), maschine.fehler());
    suchfehler(maschine.archivPfad(), maschine.fehler());
}

// A main-area pass without the window's limit of 100, for people who check
// an archive. The window keeps its limit, so the engine keeps it too; this
// runs the engine's own scan over the whole archive, so that the hits are
// exactly the lines a pass would list if it never stopped.
void alleTreffer(const QString &archiv, const QString &begriff, SpeicherAnzeige &anzeige,
                 Kanaele &k)
{
    auto leser = k.archivOeffnen ? std::make_unique<ArchivLeser>(k.archivOeffnen())
                                 : std::make_unique<ArchivLeser>(archiv);
    std::vector<std::vector<Fundstelle>> funde;
    if (!leser->oeffnen() ||
        !hauptbereichDurchsuchen(*leser, {Zeilentest(leerzeichenEntfernen(begriff))},
                                 std::numeric_limits<std::size_t>::max(), funde,
                                 [] { return false; }))
        suchfehler(archiv, leser->fehler());
    QStringList texte;
    for (const Fundstelle &fund : funde.front())
        texte.append(fund.text);
    anzeige.ergebnisseHinzufuegen(texte);
    anzeige.anzahlSetzen(meldungen::anzahl(texte.size()));
}

} // namespace

void kategorieSuchen(Suchmaschine &maschine, const QString &name, bool ja, SpeicherAnzeige &anzeige,
                     Kanaele &k, Lesefehler form)
{
    durchsucht(maschine.kategoriesuche(name, anzeige, [&] { return ja || nachfragen(k); }),
               maschine, form, name);
}

QStringList kategorienamen()
{
    // The table is fixed: naming the categories needs no archive.
    Suchmaschine maschine(QString(), {});
    maschine.kateg_laden();
    return maschine.kategorien().namen();
}

QString kategorieVorschlag(const QString &name)
{
    const auto naechster = naechsterName(name, kategorienamen());
    return naechster ? QStringLiteral("; meinten Sie „") + *naechster + QStringLiteral("“?")
                     : QString();
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
    zeile.lesen(argumente);
    if (zeile.argumente().size() > 1)
        falschBedient(nurEinBegriff);

    const QString begriff = zeile.argumente().value(0);
    const bool hauptbereich = zeile.bereich() == 0;
    SpeicherAnzeige anzeige;
    if (hauptbereich && zeile.gesetzt(QStringLiteral("all"))) {
        alleTreffer(zeile.archiv(), begriff, anzeige, k);
    } else {
        // The list-only areas list everything anyway.
        Suchmaschine maschine(zeile.archiv(), k.archivOeffnen);
        maschine.bereichWaehlen(zeile.bereich());
        durchsucht(maschine.suchlauf(begriff, anzeige), maschine, Lesefehler::Suchlauf);
        if (hauptbereich && anzeige.eintraege().size() == Suchmaschine::trefferGrenze)
            k.melden(QStringLiteral("Hinweis: Wie im Fenster endet die Suche nach %1 Treffern; "
                                    "--all zeigt alle.")
                         .arg(Suchmaschine::trefferGrenze));
    }
    ausgeben(k, anzeige, zeile.nul());
    return status::ok;
}

// The category search, as choosing a category in the window runs it.
int kategorie(const QStringList &argumente, Kanaele &k)
{
    Befehlszeile zeile(QStringLiteral("category"));
    zeile.lesen(argumente);
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
        falschBedient(QStringLiteral("unbekannte Kategorie „%1“%2 (--list zeigt alle)")
                          .arg(name, kategorieVorschlag(name)));

    Suchmaschine maschine(zeile.archiv(), k.archivOeffnen);
    maschine.kateg_laden();
    SpeicherAnzeige anzeige;
    kategorieSuchen(maschine, name, zeile.gesetzt(QStringLiteral("yes")), anzeige, k,
                    Lesefehler::Suchlauf);
    ausgeben(k, anzeige, zeile.nul());
    return status::ok;
}
