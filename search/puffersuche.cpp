// How a search reads the archive fast.
//
// The archive comes in blocks of whole lines. Instead of cutting a block into
// lines and testing each, the scan looks across the whole block for the
// places where a hit could start: every hit holds one of its test's byte
// pairs (two bytes at a fixed distance, in either case), and such pairs are
// rare. Sixteen or thirty-two places are checked at once with SSE2 or, where
// the processor has it, AVX2. Only around a place that fits is the line found
// (back to the previous CR, on to the next) and tested exactly as before,
// by the tests whose pair stands there; the scan goes on behind that line
// once every test has seen it. Line numbers stay exact because the CRs in
// front of a hit are counted, and every CR ends exactly one line. The six
// terms of a category search are looked for in the same pass over a block,
// so they cost one read and one scan.
#include "search/puffersuche.h"

#include "archive/archivzeile.h"

#include <algorithm>
#include <array>
#include <cstring>

#if defined(__x86_64__)
#include <immintrin.h>
#endif

namespace {

// A pair in the form the vector loops test: a byte b fits a side when
// (b | maske) == wert. The mask is the bits in which the side's two forms
// differ, so both forms fit, and at most a few other bytes: a superset,
// which only costs a line test now and then.
struct Vektorpaar {
    unsigned char vornMaske, vornWert, hintenMaske, hintenWert;
    std::size_t abstand;
};

Vektorpaar vektorpaar(const Bytepaar &paar)
{
    const auto maske = [](const std::array<unsigned char, 2> &formen) {
        return static_cast<unsigned char>(formen[0] ^ formen[1]);
    };
    const unsigned char vm = maske(paar.vorn);
    const unsigned char hm = maske(paar.hinten);
    return {vm, static_cast<unsigned char>(paar.vorn[0] | vm), hm,
            static_cast<unsigned char>(paar.hinten[0] | hm), paar.abstand};
}

bool passtAn(const unsigned char *b, std::size_t i, const Vektorpaar &p)
{
    return (b[i] | p.vornMaske) == p.vornWert && (b[i + p.abstand] | p.hintenMaske) == p.hintenWert;
}

std::size_t groessterAbstand(const std::vector<Vektorpaar> &paare)
{
    std::size_t abstand = 0;
    for (const Vektorpaar &paar : paare)
        abstand = std::max(abstand, paar.abstand);
    return abstand;
}

// One place after the other, for the end of a block and for processors
// without vector units.
std::size_t schrittweise(const unsigned char *b, std::size_t von, std::size_t n,
                         const std::vector<Vektorpaar> &paare)
{
    for (std::size_t i = von; i < n; ++i) {
        for (const Vektorpaar &paar : paare) {
            if (i + paar.abstand < n && passtAn(b, i, paar))
                return i;
        }
    }
    return n;
}

using Suche = std::size_t (*)(const unsigned char *, std::size_t, std::size_t,
                              const std::vector<Vektorpaar> &);
using Zaehlung = std::size_t (*)(const unsigned char *, std::size_t);

std::size_t crSchrittweise(const unsigned char *b, std::size_t n)
{
    return static_cast<std::size_t>(std::count(b, b + n, '\r'));
}

#if defined(__x86_64__)

// The same loop for sixteen places at once (SSE2) and for thirty-two (AVX2).
// Six terms of a category, each with a substring and a pattern pair.
constexpr std::size_t hoechstensPaare = 12;

std::size_t mitSse2(const unsigned char *b, std::size_t von, std::size_t n,
                    const std::vector<Vektorpaar> &paare)
{
    struct Konstanten {
        __m128i vm, vw, hm, hw;
    };
    if (paare.size() > hoechstensPaare)
        return schrittweise(b, von, n, paare);
    const auto fuellen = [](unsigned char byte) { return _mm_set1_epi8(static_cast<char>(byte)); };
    std::array<Konstanten, hoechstensPaare> k;
    for (std::size_t p = 0; p < paare.size(); ++p) {
        k[p] = {fuellen(paare[p].vornMaske), fuellen(paare[p].vornWert),
                fuellen(paare[p].hintenMaske), fuellen(paare[p].hintenWert)};
    }
    const std::size_t rand = groessterAbstand(paare) + 16;
    std::size_t i = von;
    for (; i + rand <= n; i += 16) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i *>(b + i));
        __m128i treffer = _mm_setzero_si128();
        for (std::size_t p = 0; p < paare.size(); ++p) {
            const __m128i h =
                _mm_loadu_si128(reinterpret_cast<const __m128i *>(b + i + paare[p].abstand));
            treffer = _mm_or_si128(
                treffer, _mm_and_si128(_mm_cmpeq_epi8(_mm_or_si128(v, k[p].vm), k[p].vw),
                                       _mm_cmpeq_epi8(_mm_or_si128(h, k[p].hm), k[p].hw)));
        }
        if (const auto maske = static_cast<unsigned>(_mm_movemask_epi8(treffer)); maske != 0)
            return i + static_cast<unsigned>(__builtin_ctz(maske));
    }
    return schrittweise(b, i, n, paare);
}

struct Avx2Konstanten {
    __m256i vm, vw, hm, hw;
};

__attribute__((target("avx2"))) std::size_t mitAvx2(const unsigned char *b, std::size_t von,
                                                    std::size_t n,
                                                    const std::vector<Vektorpaar> &paare)
{
    if (paare.size() > hoechstensPaare)
        return schrittweise(b, von, n, paare);
    std::array<Avx2Konstanten, hoechstensPaare> k;
    for (std::size_t p = 0; p < paare.size(); ++p) {
        k[p] = {_mm256_set1_epi8(static_cast<char>(paare[p].vornMaske)),
                _mm256_set1_epi8(static_cast<char>(paare[p].vornWert)),
                _mm256_set1_epi8(static_cast<char>(paare[p].hintenMaske)),
                _mm256_set1_epi8(static_cast<char>(paare[p].hintenWert))};
    }
    const std::size_t rand = groessterAbstand(paare) + 32;
    std::size_t i = von;
    for (; i + rand <= n; i += 32) {
        const __m256i v = _mm256_loadu_si256(reinterpret_cast<const __m256i *>(b + i));
        __m256i treffer = _mm256_setzero_si256();
        for (std::size_t p = 0; p < paare.size(); ++p) {
            const __m256i h =
                _mm256_loadu_si256(reinterpret_cast<const __m256i *>(b + i + paare[p].abstand));
            treffer = _mm256_or_si256(
                treffer, _mm256_and_si256(_mm256_cmpeq_epi8(_mm256_or_si256(v, k[p].vm), k[p].vw),
                                          _mm256_cmpeq_epi8(_mm256_or_si256(h, k[p].hm), k[p].hw)));
        }
        if (const auto maske = static_cast<unsigned>(_mm256_movemask_epi8(treffer)); maske != 0)
            return i + static_cast<unsigned>(__builtin_ctz(maske));
    }
    return mitSse2(b, i, n, paare);
}

std::size_t crMitSse2(const unsigned char *b, std::size_t n)
{
    std::size_t anzahl = 0;
    std::size_t i = 0;
    const __m128i cr = _mm_set1_epi8('\r');
    for (; i + 16 <= n; i += 16) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i *>(b + i));
        anzahl += static_cast<std::size_t>(
            __builtin_popcount(static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(v, cr)))));
    }
    return anzahl + crSchrittweise(b + i, n - i);
}

__attribute__((target("avx2,popcnt"))) std::size_t crMitAvx2(const unsigned char *b, std::size_t n)
{
    std::size_t anzahl = 0;
    std::size_t i = 0;
    const __m256i cr = _mm256_set1_epi8('\r');
    for (; i + 32 <= n; i += 32) {
        const __m256i v = _mm256_loadu_si256(reinterpret_cast<const __m256i *>(b + i));
        anzahl += static_cast<std::size_t>(__builtin_popcount(
            static_cast<unsigned>(_mm256_movemask_epi8(_mm256_cmpeq_epi8(v, cr)))));
    }
    return anzahl + crMitSse2(b + i, n - i);
}

// AVX2 is chosen at run time: the program runs on processors without it.
bool mitAvx2Moeglich()
{
    static const bool moeglich = __builtin_cpu_supports("avx2") && __builtin_cpu_supports("popcnt");
    return moeglich;
}

Suche vektorsuche()
{
    return mitAvx2Moeglich() ? mitAvx2 : mitSse2;
}

Zaehlung crZaehlung()
{
    return mitAvx2Moeglich() ? crMitAvx2 : crMitSse2;
}

#else

Suche vektorsuche()
{
    return schrittweise;
}

Zaehlung crZaehlung()
{
    return crSchrittweise;
}

#endif

// Counts the line ends in [von, bis): every CR ends one line.
qint64 zeilenenden(std::string_view block, std::size_t von, std::size_t bis)
{
    const auto *b = reinterpret_cast<const unsigned char *>(block.data());
    return static_cast<qint64>(crZaehlung()(b + von, bis - von));
}

std::size_t naechsteStelle(std::string_view block, std::size_t von,
                           const std::vector<Vektorpaar> &paare)
{
    const auto *b = reinterpret_cast<const unsigned char *>(block.data());
    return vektorsuche()(b, von, block.size(), paare);
}

// Scans one block for every test that still looks for hits, all at once.
// Where a pair stands, only the tests it belongs to look at the line; the
// scan then goes on right after that place, so that another test's pair
// later in the same line is still seen. ersteZeile: the number of the
// block's first line.
void blockDurchsuchen(std::string_view block, qint64 ersteZeile,
                      const std::vector<Zeilentest> &tests, std::size_t bedarf,
                      std::vector<std::vector<Fundstelle>> &funde)
{
    const auto suchtNoch = [&](std::size_t i) { return funde[i].size() < bedarf; };
    std::vector<Vektorpaar> paare;
    std::vector<std::size_t> paarVon; // the test each pair belongs to
    bool jedeZeile = false;
    for (std::size_t i = 0; i < tests.size(); ++i) {
        if (!suchtNoch(i))
            continue;
        jedeZeile = jedeZeile || tests[i].jedeZeile();
        for (const Bytepaar &paar : tests[i].paare()) {
            paare.push_back(vektorpaar(paar));
            paarVon.push_back(i);
        }
    }
    if (!jedeZeile && paare.empty())
        return; // no line can be a hit

    const auto *b = reinterpret_cast<const unsigned char *>(block.data());
    constexpr std::size_t keine = std::string_view::npos;
    std::vector<std::size_t> getestet(tests.size(), keine); // the line each test saw last
    std::size_t anfang = keine;
    std::size_t ende = 0;
    std::size_t gezaehltBis = 0;
    qint64 zeile = ersteZeile;
    std::size_t pos = 0;
    while (pos < block.size()) {
        const std::size_t stelle = jedeZeile ? pos : naechsteStelle(block, pos, paare);
        if (stelle >= block.size())
            return;
        if (anfang == keine || stelle > ende) {
            // The line around the place: after the previous terminator, up
            // to the next CR. A place on the LF of a CR LF belongs to no
            // line; the next line is taken then, which is harmless.
            const void *cr = stelle > 0 ? memrchr(block.data(), '\r', stelle) : nullptr;
            anfang =
                cr ? static_cast<std::size_t>(static_cast<const char *>(cr) - block.data()) + 1 : 0;
            if (cr && anfang < block.size() && block[anfang] == '\n')
                ++anfang;
            if (anfang >= block.size())
                return;
            ende = std::min(block.find('\r', std::max(stelle, anfang)), block.size());
        }
        const std::string_view text = block.substr(anfang, ende - anfang);
        const auto gelesen = eintrag(text);
        const bool hauptbereich = gelesen && gelesen->bereich == 0;
        for (std::size_t i = 0; i < tests.size(); ++i) {
            if (!suchtNoch(i) || getestet[i] == anfang)
                continue;
            bool hier = jedeZeile;
            for (std::size_t p = 0; p < paare.size() && !hier; ++p)
                hier = paarVon[p] == i && stelle + paare[p].abstand < block.size() &&
                       passtAn(b, stelle, paare[p]);
            if (!hier)
                continue;
            getestet[i] = anfang;
            if (hauptbereich && tests[i].passt(text)) {
                zeile += zeilenenden(block, gezaehltBis, anfang);
                gezaehltBis = anfang;
                funde[i].push_back({zeile, klartext(text)});
            }
        }
        if (std::none_of(funde.begin(), funde.end(),
                         [&](const auto &f) { return f.size() < bedarf; }))
            return;
        // Once every test still looking has seen this line, the rest of it
        // has nothing more to offer.
        bool alleGesehen = true;
        for (std::size_t i = 0; i < tests.size(); ++i)
            alleGesehen = alleGesehen && (!suchtNoch(i) || getestet[i] == anfang);
        pos = jedeZeile || alleGesehen ? ende + 1 : stelle + 1;
    }
}

} // namespace

bool hauptbereichDurchsuchen(ArchivLeser &leser, const std::vector<Zeilentest> &tests,
                             std::size_t bedarf, std::vector<std::vector<Fundstelle>> &funde,
                             const std::function<bool()> &genug)
{
    funde.assign(tests.size(), {});
    qint64 ersteZeile = 1;
    std::string_view block;
    while (!genug() && leser.naechsterBlock(block)) {
        blockDurchsuchen(block, ersteZeile, tests, bedarf, funde);
        ersteZeile += zeilenenden(block, 0, block.size());
    }
    return !leser.fehlgeschlagen();
}
