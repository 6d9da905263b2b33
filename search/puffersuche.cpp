// How a search reads the archive fast.
//
// The archive comes in blocks of whole lines. Instead of cutting a block into
// lines and testing each, the scan looks across the whole block for the
// places where a hit could start: every hit holds one of its test's byte
// pairs (two bytes at a fixed distance, in either case), and such pairs are
// rare (see paarabtastung.h for the scan itself). Only around a place that
// fits is the line found (back to the previous CR, on to the next) and
// tested exactly as before, by the tests whose pair stands there; the scan
// goes on behind that line once every test has seen it. Line numbers stay
// exact because the CRs in front of a hit are counted, and every CR ends
// exactly one line. The six terms of a category search are looked for in the
// same pass over a block, so they cost one read and one scan.
#include "search/puffersuche.h"

#include "archive/archivzeile.h"

#include <algorithm>
#include <cstring>
#include <optional>

namespace {

// A line of the block: from anfang up to its CR (or the block's end) at ende.
struct Blockzeile {
    std::size_t anfang;
    std::size_t ende;
};

// The scan of one block for every test that still looks for hits.
class Blockabtastung {
public:
    // ersteZeile: the number of the block's first line.
    Blockabtastung(std::string_view block, qint64 ersteZeile, const std::vector<Zeilentest> &tests,
                   std::size_t bedarf, std::vector<std::vector<Fundstelle>> &funde,
                   Abtastung abtastung);

    void abtasten();

private:
    bool suchtNoch(std::size_t test) const { return m_funde[test].size() < m_bedarf; }
    bool alleFertig() const;
    void paareSammeln(Abtastung abtastung);
    std::size_t naechsteStelle(std::size_t von) const;
    std::optional<Blockzeile> zeileUm(std::size_t stelle) const;
    bool stehtAn(std::size_t test, std::size_t stelle) const;
    void testenAn(std::size_t stelle, const Blockzeile &zeile);
    void fundAufnehmen(std::size_t test, std::size_t anfang, std::string_view text);
    bool alleHabenGesehen(std::size_t anfang) const;

    std::string_view m_block;
    const unsigned char *m_bytes;
    const std::vector<Zeilentest> &m_tests;
    std::size_t m_bedarf;
    std::vector<std::vector<Fundstelle>> &m_funde;
    Paarsuche m_paarsuche;
    CrZaehlung m_crZaehlung;

    // The pairs of the tests still looking, and the test each belongs to.
    Paarsatz m_satz;
    std::vector<std::size_t> m_paarVon;
    bool m_jedeZeile = false; // a test still looking fits lines without particular bytes

    static constexpr std::size_t keine = std::string_view::npos;
    std::vector<std::size_t> m_gesehen; // where the line each test saw last begins
    qint64 m_zeile;                     // the number of the line at m_gezaehltBis
    std::size_t m_gezaehltBis = 0;      // the CRs in front of it are counted
};

Blockabtastung::Blockabtastung(std::string_view block, qint64 ersteZeile,
                               const std::vector<Zeilentest> &tests, std::size_t bedarf,
                               std::vector<std::vector<Fundstelle>> &funde, Abtastung abtastung)
    : m_block(block), m_bytes(reinterpret_cast<const unsigned char *>(block.data())),
      m_tests(tests), m_bedarf(bedarf), m_funde(funde), m_crZaehlung(crZaehlung(abtastung)),
      m_gesehen(tests.size(), keine), m_zeile(ersteZeile)
{
    paareSammeln(abtastung);
}

// Many pairs are looked for together, which takes another choice of pairs.
void Blockabtastung::paareSammeln(Abtastung abtastung)
{
    std::size_t anzahl = 0;
    for (std::size_t i = 0; i < m_tests.size(); ++i)
        anzahl += suchtNoch(i) ? m_tests[i].paare().size() : 0;
    const Paarart art = paarart(abtastung, anzahl);
    m_paarsuche = paarsuche(abtastung, art);
    std::vector<Vektorpaar> paare;
    for (std::size_t i = 0; i < m_tests.size(); ++i) {
        if (!suchtNoch(i))
            continue;
        m_jedeZeile = m_jedeZeile || m_tests[i].jedeZeile();
        for (const Bytepaar &paar : m_tests[i].paare(art)) {
            paare.push_back(vektorpaar(paar));
            m_paarVon.push_back(i);
        }
    }
    m_satz = Paarsatz(std::move(paare), art);
}

bool Blockabtastung::alleFertig() const
{
    return std::none_of(m_funde.begin(), m_funde.end(),
                        [&](const auto &f) { return f.size() < m_bedarf; });
}

std::size_t Blockabtastung::naechsteStelle(std::size_t von) const
{
    if (m_jedeZeile)
        return von;
    return m_paarsuche(m_bytes, von, m_block.size(), m_satz);
}

// The line around a place: after the previous terminator, up to the next CR.
// A place on the LF of a CR LF belongs to no line; the next line is taken
// then, which is harmless. Nothing when the block ends first.
std::optional<Blockzeile> Blockabtastung::zeileUm(std::size_t stelle) const
{
    const void *cr = stelle > 0 ? memrchr(m_block.data(), '\r', stelle) : nullptr;
    std::size_t anfang =
        cr ? static_cast<std::size_t>(static_cast<const char *>(cr) - m_block.data()) + 1 : 0;
    if (cr && anfang < m_block.size() && m_block[anfang] == '\n')
        ++anfang;
    if (anfang >= m_block.size())
        return std::nullopt;
    return Blockzeile{anfang,
                      std::min(m_block.find('\r', std::max(stelle, anfang)), m_block.size())};
}

// Whether one of the test's pairs stands at the place.
bool Blockabtastung::stehtAn(std::size_t test, std::size_t stelle) const
{
    if (m_jedeZeile)
        return true;
    for (std::size_t p = 0; p < m_satz.paare.size(); ++p) {
        if (m_paarVon[p] == test && stelle + m_satz.paare[p].abstand < m_block.size() &&
            passtAn(m_bytes, stelle, m_satz.paare[p]))
            return true;
    }
    return false;
}

// The tests whose pair stands at the place test its line, each once.
void Blockabtastung::testenAn(std::size_t stelle, const Blockzeile &zeile)
{
    const std::string_view text = m_block.substr(zeile.anfang, zeile.ende - zeile.anfang);
    const auto gelesen = eintrag(text);
    const bool hauptbereich = gelesen && gelesen->bereich == 0;
    for (std::size_t i = 0; i < m_tests.size(); ++i) {
        if (!suchtNoch(i) || m_gesehen[i] == zeile.anfang || !stehtAn(i, stelle))
            continue;
        m_gesehen[i] = zeile.anfang;
        if (hauptbereich && m_tests[i].passt(text))
            fundAufnehmen(i, zeile.anfang, text);
    }
}

void Blockabtastung::fundAufnehmen(std::size_t test, std::size_t anfang, std::string_view text)
{
    m_zeile += static_cast<qint64>(m_crZaehlung(m_bytes + m_gezaehltBis, anfang - m_gezaehltBis));
    m_gezaehltBis = anfang;
    m_funde[test].push_back({m_zeile, klartext(text)});
}

bool Blockabtastung::alleHabenGesehen(std::size_t anfang) const
{
    for (std::size_t i = 0; i < m_tests.size(); ++i) {
        if (suchtNoch(i) && m_gesehen[i] != anfang)
            return false;
    }
    return true;
}

// Where a pair stands, only the tests it belongs to look at the line; the
// scan then goes on right after that place, so that another test's pair
// later in the same line is still seen.
void Blockabtastung::abtasten()
{
    if (!m_jedeZeile && m_satz.paare.empty())
        return; // no line can be a hit
    std::optional<Blockzeile> zeile;
    std::size_t pos = 0;
    while (pos < m_block.size()) {
        const std::size_t stelle = naechsteStelle(pos);
        if (stelle >= m_block.size())
            return;
        if (!zeile || stelle > zeile->ende)
            zeile = zeileUm(stelle);
        if (!zeile)
            return;
        testenAn(stelle, *zeile);
        if (alleFertig())
            return;
        // Once every test still looking has seen this line, the rest of it
        // has nothing more to offer.
        pos = m_jedeZeile || alleHabenGesehen(zeile->anfang) ? zeile->ende + 1 : stelle + 1;
    }
}

} // namespace

void blockDurchsuchen(std::string_view block, qint64 ersteZeile,
                      const std::vector<Zeilentest> &tests, std::size_t bedarf,
                      std::vector<std::vector<Fundstelle>> &funde, Abtastung abtastung)
{
    Blockabtastung(block, ersteZeile, tests, bedarf, funde, abtastung).abtasten();
}

bool hauptbereichDurchsuchen(ArchivLeser &leser, const std::vector<Zeilentest> &tests,
                             std::size_t bedarf, std::vector<std::vector<Fundstelle>> &funde,
                             const std::function<bool()> &genug, Abtastung abtastung)
{
    funde.assign(tests.size(), {});
    qint64 ersteZeile = 1;
    std::string_view block;
    while (!genug() && leser.naechsterBlock(block)) {
        blockDurchsuchen(block, ersteZeile, tests, bedarf, funde, abtastung);
        const auto *bytes = reinterpret_cast<const unsigned char *>(block.data());
        ersteZeile += static_cast<qint64>(crZaehlung(abtastung)(bytes, block.size()));
    }
    return !leser.fehlgeschlagen();
}
