#include "search/suchmaschine.h"

#include "archive/archiv_leser.h"
#include "archive/archivzeile.h"
#include "archive/zeichen_tausch.h"
#include "search/meldungen.h"
#include "search/platzhaltermuster.h"
#include "search/teilstringsuche.h"

#include <optional>
#include <string>

QString leerzeichenEntfernen(const QString &text)
{
    qsizetype anfang = 0;
    qsizetype ende = text.size();
    while (anfang < ende && text[anfang] == u' ')
        ++anfang;
    while (ende > anfang && text[ende - 1] == u' ')
        --ende;
    return text.sliced(anfang, ende - anfang);
}

Suchmaschine::Suchmaschine(QString archivPfad, Geraeteoeffner oeffner)
    : m_archivPfad(std::move(archivPfad)), m_oeffner(std::move(oeffner))
{
}

Suchmaschine::Ausgang Suchmaschine::scheitern(const QString &grund)
{
    m_fehler = grund;
    return Ausgang::Fehler;
}

Suchmaschine::Ausgang Suchmaschine::suchlauf(const QString &begriff, SuchAnzeige &anzeige)
{
    suchbegriff = begriff;
    return pass(anzeige);
}

Suchmaschine::Ausgang Suchmaschine::pass(SuchAnzeige &anzeige)
{
    if (anhaengen == 0) {
        anzeige.ergebnisseLeeren();
        gefundene_zeilen.clear();
        m_eintraege = 0;
    }
    m_fehler.clear();

    const std::unique_ptr<QIODevice> geraet = m_oeffner ? m_oeffner() : nullptr;
    std::optional<ArchivLeser> datei;
    if (geraet)
        datei.emplace(*geraet);
    else
        datei.emplace(m_archivPfad);
    ArchivLeser &leser = *datei;
    if (!leser.oeffnen())
        return scheitern(leser.fehler());

    suchbegriff = leerzeichenEntfernen(suchbegriff);

    // The term is scrambled once; every test compares scrambled forms, so no
    // line is unscrambled unless it is listed.
    const QString muster = zeichen_tausch(suchbegriff);
    const Teilstringsuche teilstring(muster);
    const Platzhaltermuster platzhalter(muster);

    QStringList neu;
    qint64 zeilennummer = 0;
    int treffer = 0;
    std::string_view zeile;
    while (leser.naechsteZeile(zeile)) {
        ++zeilennummer;
        const auto gelesen = eintrag(zeile);
        if (!gelesen || gelesen->bereich != bereich_nr)
            continue;
        if (bereich_nr != 0) {
            neu.append(klartext(gelesen->text));
            continue;
        }
        const bool passt = teilstring.enthalten(zeile) || platzhalter.passt(zeile);
        if (!passt || gefundene_zeilen.contains(zeilennummer))
            continue;
        neu.append(klartext(zeile));
        gefundene_zeilen.insert(zeilennummer);
        if (++treffer == trefferGrenze)
            break;
    }
    // Nothing of a pass whose read failed reaches the list.
    if (leser.fehlgeschlagen())
        return scheitern(leser.fehler());
    leser.schliessen();

    anzeige.ergebnisseHinzufuegen(neu);
    m_eintraege += neu.size();
    anzeige.anzahlSetzen(meldungen::anzahl(m_eintraege));
    return Ausgang::Erledigt;
}

Suchmaschine::Ausgang Suchmaschine::kategoriesuche(const QString &gewaehlt, SuchAnzeige &anzeige,
                                                   const std::function<bool()> &bestaetigen)
{
    if (gewaehlt == meldungen::versautName && !bestaetigen())
        return Ausgang::Abgelehnt;

    anhaengen = 1;
    anzeige.ergebnisseLeeren();
    gefundene_zeilen.clear();
    m_eintraege = 0;

    Ausgang ausgang = Ausgang::Erledigt;
    if (const int zeile = m_kategorien.zeileZu(gewaehlt); zeile > 0) {
        // The list is tested between passes only, so one pass may take it
        // from 99 to 199 entries.
        for (const QString &begriff : m_kategorien.suchbegriffe(zeile)) {
            suchbegriff = begriff;
            ausgang = pass(anzeige);
            if (ausgang != Ausgang::Erledigt || m_eintraege >= trefferGrenze)
                break;
        }
    }
    anhaengen = 0;
    return ausgang;
}
