#include "search/suchmaschine.h"

#include "archive/archiv_leser.h"
#include "archive/archivzeile.h"
#include "search/meldungen.h"
#include "search/puffersuche.h"
#include "search/zeilentest.h"

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

namespace {

// Every entry of a list-only area, without its marker, in file order.
bool listeLesen(ArchivLeser &leser, qint16 bereich, QStringList &texte)
{
    std::string_view zeile;
    while (leser.naechsteZeile(zeile)) {
        const auto gelesen = eintrag(zeile);
        if (gelesen && gelesen->bereich == bereich)
            texte.append(klartext(gelesen->text));
    }
    return !leser.fehlgeschlagen();
}

// What the passes of a chain list, worked out from the first hits of each
// term. A pass is settled when its term has all the hits the chain can
// need, or 100 lines new to the list, or the archive has ended; the chain
// is settled when its passes are, up to the one that brings the list to 100.
struct Kettenlauf {
    std::vector<QStringList> laeufe; // the new texts of each pass that ran
    QSet<qint64> zeilen;             // the lines they list
    bool entschieden = false;
};

Kettenlauf ketteAuswerten(const std::vector<std::vector<Fundstelle>> &funde, std::size_t bedarf,
                          bool dateiende)
{
    Kettenlauf lauf;
    qsizetype eintraege = 0;
    for (const std::vector<Fundstelle> &begriff : funde) {
        QStringList neu;
        for (const Fundstelle &fund : begriff) {
            if (neu.size() == Suchmaschine::trefferGrenze)
                break;
            if (!lauf.zeilen.contains(fund.zeile)) {
                neu.append(fund.text);
                lauf.zeilen.insert(fund.zeile);
            }
        }
        if (!dateiende && begriff.size() < bedarf && neu.size() < Suchmaschine::trefferGrenze)
            return lauf; // a later hit of this term may still join the pass
        eintraege += neu.size();
        lauf.laeufe.push_back(std::move(neu));
        if (eintraege >= Suchmaschine::trefferGrenze)
            break;
    }
    lauf.entschieden = true;
    return lauf;
}

} // namespace

Suchmaschine::Suchmaschine(QString archivPfad, Geraeteoeffner oeffner)
    : m_archivPfad(std::move(archivPfad)), m_oeffner(std::move(oeffner))
{
}

Suchmaschine::Ausgang Suchmaschine::scheitern(const QString &grund)
{
    m_fehler = grund;
    return Ausgang::Fehler;
}

// The archive, opened for one read; null when that fails (see m_fehler).
// It is closed again when the read ends, however it ends.
std::unique_ptr<ArchivLeser> Suchmaschine::oeffnen()
{
    m_fehler.clear();
    auto leser = m_oeffner ? std::make_unique<ArchivLeser>(m_oeffner())
                           : std::make_unique<ArchivLeser>(m_archivPfad);
    if (!leser->oeffnen()) {
        m_fehler = leser->fehler();
        return nullptr;
    }
    return leser;
}

void Suchmaschine::hinzufuegen(const QStringList &neu, SuchAnzeige &anzeige)
{
    anzeige.ergebnisseHinzufuegen(neu);
    m_eintraege += neu.size();
    anzeige.anzahlSetzen(meldungen::anzahl(m_eintraege));
}

Suchmaschine::Ausgang Suchmaschine::suchlauf(const QString &begriff, SuchAnzeige &anzeige)
{
    anzeige.ergebnisseLeeren();
    gefundene_zeilen.clear();
    m_eintraege = 0;
    suchbegriff = leerzeichenEntfernen(begriff);
    const auto leser = oeffnen();
    if (!leser)
        return Ausgang::Fehler;

    QStringList neu;
    if (bereich_nr != 0) {
        if (!listeLesen(*leser, bereich_nr, neu))
            return scheitern(leser->fehler());
    } else {
        std::vector<std::vector<Fundstelle>> funde;
        const auto genug = [&] { return !funde.empty() && funde[0].size() >= trefferGrenze; };
        if (!hauptbereichDurchsuchen(*leser, {Zeilentest(suchbegriff)}, trefferGrenze, funde,
                                     genug))
            return scheitern(leser->fehler());
        for (const Fundstelle &fund : funde.front()) {
            neu.append(fund.text);
            gefundene_zeilen.insert(fund.zeile);
        }
    }
    hinzufuegen(neu, anzeige);
    return Ausgang::Erledigt;
}

Suchmaschine::Ausgang Suchmaschine::kategoriesuche(const QString &gewaehlt, SuchAnzeige &anzeige,
                                                   const std::function<bool()> &bestaetigen)
{
    if (gewaehlt == meldungen::versautName && !bestaetigen())
        return Ausgang::Abgelehnt;

    anzeige.ergebnisseLeeren();
    gefundene_zeilen.clear();
    m_eintraege = 0;
    const int zeile = m_kategorien.zeileZu(gewaehlt);
    return zeile > 0 ? kette(m_kategorien.suchbegriffe(zeile), anzeige) : Ausgang::Erledigt;
}

Suchmaschine::Ausgang Suchmaschine::kette(const std::array<QString, 6> &begriffe,
                                          SuchAnzeige &anzeige)
{
    const auto leser = oeffnen();
    if (!leser)
        return Ausgang::Fehler;

    // A pass skips only lines listed before it, and a pass runs only while
    // the list holds fewer than 100: no pass skips more than 99 lines, so
    // 199 hits per term are all the chain can need.
    constexpr std::size_t bedarf = 2 * trefferGrenze - 1;
    Kettenlauf lauf;
    if (bereich_nr != 0) {
        // A list-only area lists all its entries in every pass.
        QStringList liste;
        if (!listeLesen(*leser, bereich_nr, liste))
            return scheitern(leser->fehler());
        for (std::size_t k = 0; k < begriffe.size(); ++k) {
            lauf.laeufe.push_back(liste);
            if (static_cast<qsizetype>(k + 1) * liste.size() >= trefferGrenze)
                break;
        }
    } else {
        std::vector<Zeilentest> tests;
        tests.reserve(begriffe.size());
        for (const QString &begriff : begriffe)
            tests.emplace_back(leerzeichenEntfernen(begriff));
        std::vector<std::vector<Fundstelle>> funde;
        const auto genug = [&] { return ketteAuswerten(funde, bedarf, false).entschieden; };
        if (!hauptbereichDurchsuchen(*leser, tests, bedarf, funde, genug))
            return scheitern(leser->fehler());
        lauf = ketteAuswerten(funde, bedarf, true);
    }

    anhaengen = 1;
    for (std::size_t k = 0; k < lauf.laeufe.size(); ++k) {
        suchbegriff = leerzeichenEntfernen(begriffe[k]);
        hinzufuegen(lauf.laeufe[k], anzeige);
    }
    gefundene_zeilen = lauf.zeilen;
    anhaengen = 0;
    return Ausgang::Erledigt;
}
