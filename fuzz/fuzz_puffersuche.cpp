// The block scan against the plain line-by-line reference, on any archive and
// any terms: every scan this processor has over the same blocks (with three
// byte pairs or more, as two or more terms bring, AVX2's scan for all pairs
// at once), then one pass or chain of the engine in one area. The substring
// test also meets, line by line, the reference's own, written from the rules.
// Input: one byte for the set-up (bits 0-2: how many bytes each read of the
// engine hands out and how many lines each block of the scans holds, 3-4: the
// area, 5: a chain, 6-7: how many hits each term needs in the scans), then up
// to six terms (UTF-8) separated by 0x1F, a NUL byte, and the archive's
// bytes.
//
// Only the engine's pass reads through the archive reader: each reader costs
// a buffer of a quarter megabyte, which the sanitizer maps afresh,
// and that, not the search, was most of the time an input took.
#include "archive/zeichen_tausch.h"
#include "search/ergebnis_ordnung.h"
#include "search/meldungen.h"
#include "search/speicher_anzeige.h"
#include "search/suchmaschine.h"
#include "search/teilstringsuche.h"
#include "tests/fehlgeraet.h"
#include "tests/referenzsuche.h"

#include <QSet>

#include <cstdint>
#include <cstdlib>

namespace {

// The engine as first written: a chain is a loop of passes, each a plain
// loop over the lines that skips those listed before.
class Referenzsuche {
public:
    Referenzsuche(QByteArray archiv, qint16 bereich)
        : m_zeilen(referenz::zeilen(archiv)), m_bereich(bereich)
    {
    }

    void suchlauf(const QString &begriff) { kette({begriff}, 1); }

    void kette(const std::array<QString, 6> &begriffe, qsizetype laeufe = 6)
    {
        eintraege.clear();
        m_gelistet.clear();
        for (qsizetype i = 0; i < laeufe && eintraege.size() < Suchmaschine::trefferGrenze; ++i)
            pass(begriffe[std::size_t(i)]);
    }

    QStringList eintraege; // sorted as the list shows them
    QString meldung;

private:
    void pass(const QString &begriff)
    {
        const QString getrimmt = leerzeichenEntfernen(begriff);
        const Platzhaltermuster muster(referenz::verwuerfelt(getrimmt));
        QStringList neu;
        for (qsizetype i = 0; i < m_zeilen.size(); ++i) {
            const QByteArray &zeile = m_zeilen[i];
            const auto gelesen = eintrag(referenz::ansicht(zeile));
            if (!gelesen || gelesen->bereich != m_bereich)
                continue;
            if (m_bereich != 0) {
                neu.append(klartext(gelesen->text));
                continue;
            }
            if (m_gelistet.contains(i) || !referenz::passt(getrimmt, muster, zeile))
                continue;
            neu.append(klartext(referenz::ansicht(zeile)));
            m_gelistet.insert(i);
            if (neu.size() == Suchmaschine::trefferGrenze)
                break;
        }
        eintraege.append(neu);
        ergebnisseSortieren(eintraege);
        meldung = meldungen::anzahl(eintraege.size());
    }

    QList<QByteArray> m_zeilen;
    qint16 m_bereich;
    QSet<qsizetype> m_gelistet;
};

void pruefen(bool bedingung)
{
    if (!bedingung)
        std::abort();
}

void teilstringPruefen(const QStringList &begriffe, const QList<QByteArray> &zeilen)
{
    for (const QString &begriff : begriffe) {
        const Teilstringsuche suche(zeichen_tausch(begriff));
        for (const QByteArray &zeile : zeilen)
            pruefen(suche.enthalten(referenz::ansicht(zeile)) ==
                    referenz::enthalten(begriff, zeile));
    }
}

// The archive in blocks of whole lines, zeilenJeBlock lines each (0: all in
// one), as the reader hands them out; and the number of lines in each.
std::vector<std::pair<std::string_view, qint64>> bloecke(const QByteArray &archiv,
                                                         qint64 zeilenJeBlock)
{
    std::vector<std::pair<std::string_view, qint64>> ergebnis;
    const std::string_view rest = referenz::ansicht(archiv);
    std::size_t anfang = 0;
    qint64 zeilen = 0;
    for (std::size_t i = 0; i < rest.size(); ++i) {
        if (rest[i] != '\r')
            continue;
        if (i + 1 < rest.size() && rest[i + 1] == '\n')
            ++i;
        if (++zeilen == zeilenJeBlock) {
            ergebnis.emplace_back(rest.substr(anfang, i + 1 - anfang), zeilen);
            anfang = i + 1;
            zeilen = 0;
        }
    }
    if (anfang < rest.size())
        ergebnis.emplace_back(rest.substr(anfang), zeilen);
    return ergebnis;
}

// Every scan this processor has, block by block, against the reference.
void abtastungenPruefen(const QByteArray &archiv, const QStringList &begriffe, qint64 zeilenJeBlock,
                        std::size_t bedarf)
{
    std::vector<Zeilentest> tests;
    for (const QString &begriff : begriffe)
        tests.emplace_back(begriff);
    const auto erwartet = referenz::funde(archiv, begriffe, bedarf);
    for (const Abtastung abtastung : {Abtastung::Schrittweise, Abtastung::Sse2, Abtastung::Avx2}) {
        if (!abtastungMoeglich(abtastung))
            continue;
        std::vector<std::vector<Fundstelle>> funde(tests.size());
        qint64 ersteZeile = 1;
        for (const auto &[block, zeilen] : bloecke(archiv, zeilenJeBlock)) {
            blockDurchsuchen(block, ersteZeile, tests, bedarf, funde, abtastung);
            ersteZeile += zeilen;
        }
        pruefen(funde == erwartet);
    }
}

void maschinePruefen(const QByteArray &archiv, const std::array<QString, 6> &begriffe,
                     qint64 jeLesen, qint16 bereich, bool kette)
{
    Referenzsuche referenz(archiv, bereich);
    kette ? referenz.kette(begriffe) : referenz.suchlauf(begriffe[0]);
    Suchmaschine maschine(QStringLiteral("sprho.dat"),
                          [&] { return std::make_unique<Fehlgeraet>(archiv, -1, jeLesen); });
    maschine.bereichWaehlen(bereich);
    SpeicherAnzeige anzeige;
    const auto ausgang =
        kette ? maschine.kette(begriffe, anzeige) : maschine.suchlauf(begriffe[0], anzeige);
    pruefen(ausgang == Suchmaschine::Ausgang::Erledigt);
    pruefen(anzeige.eintraege() == referenz.eintraege);
    pruefen(anzeige.anzahlMeldung() == referenz.meldung);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *daten, std::size_t groesse)
{
    if (groesse < 1)
        return 0;
    const std::uint8_t einstellung = daten[0];
    const QByteArray alles(reinterpret_cast<const char *>(daten + 1), qsizetype(groesse - 1));
    const qsizetype trenner = alles.indexOf('\0');
    if (trenner < 0)
        return 0;
    const QByteArray archiv = alles.sliced(trenner + 1);
    std::array<QString, 6> begriffe;
    begriffe.fill(QStringLiteral("###"));
    QStringList getrimmt;
    const QList<QByteArray> teile = alles.first(trenner).split('\x1f');
    for (qsizetype i = 0; i < teile.size() && i < 6; ++i) {
        begriffe[std::size_t(i)] = QString::fromUtf8(teile[i]);
        getrimmt << leerzeichenEntfernen(begriffe[std::size_t(i)]);
    }

    const qint64 jeLesen = einstellung % 8 == 0 ? qint64(1) << 30 : einstellung % 8;
    const auto bereich = qint16((einstellung >> 3 & 3) % 3);
    const bool kette = (einstellung & 0x20) != 0;
    const std::size_t bedarf = std::array<std::size_t, 4>{1, 3, 100, 199}[einstellung >> 6];

    teilstringPruefen(getrimmt, referenz::zeilen(archiv));
    abtastungenPruefen(archiv, getrimmt, einstellung % 8, bedarf);
    maschinePruefen(archiv, begriffe, jeLesen, bereich, kette);
    return 0;
}
