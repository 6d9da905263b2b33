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
        if (!hauptbereichDurchsuchen(*leser, {Zeilentest(suchbegriff)}, trefferGrenze, funde))
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
    std::vector<std::vector<Fundstelle>> funde(begriffe.size());
    QStringList liste;
    if (bereich_nr != 0) {
        if (!listeLesen(*leser, bereich_nr, liste))
            return scheitern(leser->fehler());
    } else {
        std::vector<Zeilentest> tests;
        for (const QString &begriff : begriffe)
            tests.emplace_back(leerzeichenEntfernen(begriff));
        if (!hauptbereichDurchsuchen(*leser, tests, 2 * trefferGrenze - 1, funde))
            return scheitern(leser->fehler());
    }

    anhaengen = 1;
    for (std::size_t k = 0; k < begriffe.size(); ++k) {
        suchbegriff = leerzeichenEntfernen(begriffe[k]);
        // A list-only area lists all its entries in every pass.
        QStringList neu = bereich_nr != 0 ? liste : QStringList();
        for (const Fundstelle &fund : funde[k]) {
            if (neu.size() == trefferGrenze)
                break;
            if (!gefundene_zeilen.contains(fund.zeile)) {
                neu.append(fund.text);
                gefundene_zeilen.insert(fund.zeile);
            }
        }
        hinzufuegen(neu, anzeige);
        if (m_eintraege >= trefferGrenze)
            break;
    }
    anhaengen = 0;
    return Ausgang::Erledigt;
}
