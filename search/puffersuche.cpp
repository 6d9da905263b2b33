// How a search reads the archive fast.
//
// The archive comes in blocks of whole lines. Instead of cutting a block into
// lines and testing each, the scan looks across the whole block for the
// places where a hit could start: every hit holds one of its test's byte
// pairs (two bytes at a fixed distance, in either case), and such pairs are
// rare. Sixteen or thirty-two places are checked at once with SSE2 or, where
// the processor has it, AVX2. Only around a place that fits is the line found
// (back to the previous CR, on to the next) and tested exactly as before;
// then the scan goes on after that line. Line numbers stay exact because the
// CRs in front of a hit are counted, and every CR ends exactly one line.
// A block stays in the cache while all tests of a category search scan it,
// so six terms cost one read.
#include "search/puffersuche.h"

#include "archive/archivzeile.h"

#include <algorithm>
#include <array>
#include <cstring>

#if defined(__x86_64__)
#include <immintrin.h>
#endif

namespace {

bool passtAn(const unsigned char *b, std::size_t i, const Bytepaar &paar)
{
    const unsigned char v = b[i];
    const unsigned char h = b[i + paar.abstand];
    return (v == paar.vorn[0] || v == paar.vorn[1]) && (h == paar.hinten[0] || h == paar.hinten[1]);
}

std::size_t groessterAbstand(const std::vector<Bytepaar> &paare)
{
    std::size_t abstand = 0;
    for (const Bytepaar &paar : paare)
        abstand = std::max(abstand, paar.abstand);
    return abstand;
}

// One place after the other, for the end of a block and for processors
// without vector units.
std::size_t schrittweise(const unsigned char *b, std::size_t von, std::size_t n,
                         const std::vector<Bytepaar> &paare)
{
    for (std::size_t i = von; i < n; ++i) {
        for (const Bytepaar &paar : paare) {
            if (i + paar.abstand < n && passtAn(b, i, paar))
                return i;
        }
    }
    return n;
}

using Suche = std::size_t (*)(const unsigned char *, std::size_t, std::size_t,
                              const std::vector<Bytepaar> &);
using Zaehlung = std::size_t (*)(const unsigned char *, std::size_t);

std::size_t crSchrittweise(const unsigned char *b, std::size_t n)
{
    return static_cast<std::size_t>(std::count(b, b + n, '\r'));
}

#if defined(__x86_64__)

// A test has at most two pairs (substring and pattern); their constants stay
// in registers for the whole loop.
constexpr std::size_t hoechstensPaare = 2;

std::size_t mitSse2(const unsigned char *b, std::size_t von, std::size_t n,
                    const std::vector<Bytepaar> &paare)
{
    struct Konstanten {
        __m128i v0, v1, h0, h1;
        std::size_t abstand;
    };
    if (paare.empty() || paare.size() > hoechstensPaare)
        return schrittweise(b, von, n, paare);
    std::array<Konstanten, hoechstensPaare> k{};
    for (std::size_t p = 0; p < paare.size(); ++p) {
        const Bytepaar &paar = paare[p];
        k[p] = {_mm_set1_epi8(static_cast<char>(paar.vorn[0])),
                _mm_set1_epi8(static_cast<char>(paar.vorn[1])),
                _mm_set1_epi8(static_cast<char>(paar.hinten[0])),
                _mm_set1_epi8(static_cast<char>(paar.hinten[1])), paar.abstand};
    }
    const auto passt = [b](const Konstanten &p, std::size_t i) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i *>(b + i));
        const __m128i h = _mm_loadu_si128(reinterpret_cast<const __m128i *>(b + i + p.abstand));
        return _mm_and_si128(_mm_or_si128(_mm_cmpeq_epi8(v, p.v0), _mm_cmpeq_epi8(v, p.v1)),
                             _mm_or_si128(_mm_cmpeq_epi8(h, p.h0), _mm_cmpeq_epi8(h, p.h1)));
    };
    const bool zwei = paare.size() == 2;
    const std::size_t rand = groessterAbstand(paare) + 16;
    std::size_t i = von;
    for (; i + rand <= n; i += 16) {
        __m128i treffer = passt(k[0], i);
        if (zwei)
            treffer = _mm_or_si128(treffer, passt(k[1], i));
        if (const auto maske = static_cast<unsigned>(_mm_movemask_epi8(treffer)); maske != 0)
            return i + static_cast<unsigned>(__builtin_ctz(maske));
    }
    return schrittweise(b, i, n, paare);
}

struct Avx2Konstanten {
    __m256i v0, v1, h0, h1;
    std::size_t abstand;
};

__attribute__((target("avx2"))) __m256i passtAvx2(const unsigned char *b, const Avx2Konstanten &p,
                                                  std::size_t i)
{
    const __m256i v = _mm256_loadu_si256(reinterpret_cast<const __m256i *>(b + i));
    const __m256i h = _mm256_loadu_si256(reinterpret_cast<const __m256i *>(b + i + p.abstand));
    return _mm256_and_si256(
        _mm256_or_si256(_mm256_cmpeq_epi8(v, p.v0), _mm256_cmpeq_epi8(v, p.v1)),
        _mm256_or_si256(_mm256_cmpeq_epi8(h, p.h0), _mm256_cmpeq_epi8(h, p.h1)));
}

__attribute__((target("avx2"))) std::size_t
mitAvx2(const unsigned char *b, std::size_t von, std::size_t n, const std::vector<Bytepaar> &paare)
{
    if (paare.empty() || paare.size() > hoechstensPaare)
        return schrittweise(b, von, n, paare);
    std::array<Avx2Konstanten, hoechstensPaare> k{};
    for (std::size_t p = 0; p < paare.size(); ++p) {
        const Bytepaar &paar = paare[p];
        k[p] = {_mm256_set1_epi8(static_cast<char>(paar.vorn[0])),
                _mm256_set1_epi8(static_cast<char>(paar.vorn[1])),
                _mm256_set1_epi8(static_cast<char>(paar.hinten[0])),
                _mm256_set1_epi8(static_cast<char>(paar.hinten[1])), paar.abstand};
    }
    const bool zwei = paare.size() == 2;
    const std::size_t rand = groessterAbstand(paare) + 32;
    std::size_t i = von;
    for (; i + rand <= n; i += 32) {
        __m256i treffer = passtAvx2(b, k[0], i);
        if (zwei)
            treffer = _mm256_or_si256(treffer, passtAvx2(b, k[1], i));
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

// Scans one block for one test. ersteZeile: the number of the block's first
// line.
void blockDurchsuchen(std::string_view block, qint64 ersteZeile, const Zeilentest &test,
                      std::size_t bedarf, std::vector<Fundstelle> &funde)
{
    if (!test.jedeZeile() && test.paare().empty())
        return; // no line can be a hit
    std::size_t pos = 0;
    std::size_t gezaehltBis = 0;
    qint64 zeile = ersteZeile;
    while (pos < block.size() && funde.size() < bedarf) {
        const std::size_t stelle = test.jedeZeile() ? pos : naechstesPaar(block, pos, test.paare());
        if (stelle >= block.size())
            return;
        // The line around the place: after the previous terminator, up to the
        // next CR. A place on the LF of a CR LF belongs to no line; the next
        // line is tested then, which is harmless.
        const void *cr = stelle > 0 ? memrchr(block.data(), '\r', stelle) : nullptr;
        std::size_t anfang =
            cr ? static_cast<std::size_t>(static_cast<const char *>(cr) - block.data()) + 1 : 0;
        if (cr && anfang < block.size() && block[anfang] == '\n')
            ++anfang;
        if (anfang >= block.size())
            return;
        const std::size_t ende = std::min(block.find('\r', std::max(stelle, anfang)), block.size());
        const std::string_view text = block.substr(anfang, ende - anfang);
        const auto gelesen = eintrag(text);
        if (gelesen && gelesen->bereich == 0 && test.passt(text)) {
            zeile += zeilenenden(block, gezaehltBis, anfang);
            gezaehltBis = anfang;
            funde.push_back({zeile, klartext(text)});
        }
        pos = ende + 1;
    }
}

} // namespace

std::size_t naechstesPaar(std::string_view block, std::size_t von,
                          const std::vector<Bytepaar> &paare)
{
    const auto *b = reinterpret_cast<const unsigned char *>(block.data());
    return vektorsuche()(b, von, block.size(), paare);
}

bool hauptbereichDurchsuchen(ArchivLeser &leser, const std::vector<Zeilentest> &tests,
                             std::size_t bedarf, std::vector<std::vector<Fundstelle>> &funde,
                             const std::function<bool()> &genug)
{
    funde.assign(tests.size(), {});
    qint64 ersteZeile = 1;
    std::string_view block;
    while (!genug() && leser.naechsterBlock(block)) {
        for (std::size_t i = 0; i < tests.size(); ++i)
            blockDurchsuchen(block, ersteZeile, tests[i], bedarf, funde[i]);
        ersteZeile += zeilenenden(block, 0, block.size());
    }
    return !leser.fehlgeschlagen();
}
