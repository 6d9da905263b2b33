#include "search/paarabtastung.h"

#include <algorithm>
#include <array>

#if defined(__x86_64__)
#include <immintrin.h>
#endif

Vektorpaar vektorpaar(const Bytepaar &paar)
{
    const auto maske = [](const std::array<unsigned char, 2> &formen) {
        return static_cast<unsigned char>(formen[0] ^ formen[1]);
    };
    const unsigned char vm = maske(paar.vorn);
    const unsigned char hm = maske(paar.hinten);
    Vektorpaar v{vm, static_cast<unsigned char>(paar.vorn[0] | vm), hm,
                 static_cast<unsigned char>(paar.hinten[0] | hm), paar.abstand};
    if (paar.dahinter) {
        v.dahinterMaske = maske(*paar.dahinter);
        v.dahinterWert = static_cast<unsigned char>((*paar.dahinter)[0] | v.dahinterMaske);
    }
    return v;
}

void Nibbeltabellen::eintragen(unsigned char maske, unsigned char wert, unsigned char gruppe)
{
    // The bytes that fit are the value with any of the mask's bits cleared:
    // every subset of the mask, walked down from the whole.
    for (unsigned weg = maske;; weg = (weg - 1) & maske) {
        const unsigned b = wert & ~weg;
        tief[b & 15] |= gruppe;
        hoch[b >> 4] |= gruppe;
        if (weg == 0)
            return;
    }
}

Paarsatz::Paarsatz(std::vector<Vektorpaar> paare_, Paarart art) : paare(std::move(paare_))
{
    for (std::size_t p = 0; p < paare.size(); ++p) {
        groessterAbstand = std::max(groessterAbstand, paare[p].abstand);
        if (art != Paarart::Nachbarn)
            continue;
        const auto gruppe = static_cast<unsigned char>(1U << (p % 8));
        vorn.eintragen(paare[p].vornMaske, paare[p].vornWert, gruppe);
        (paare[p].abstand == 0 ? hintenGleich : hintenDaneben)
            .eintragen(paare[p].hintenMaske, paare[p].hintenWert, gruppe);
        dahinter.eintragen(paare[p].dahinterMaske, paare[p].dahinterWert, gruppe);
    }
}

namespace {

std::size_t schrittweise(const unsigned char *b, std::size_t von, std::size_t n,
                         const Paarsatz &satz)
{
    const std::vector<Vektorpaar> &paare = satz.paare;
    for (std::size_t i = von; i < n; ++i) {
        for (const Vektorpaar &paar : paare) {
            if (i + paar.abstand < n && passtAn(b, i, paar))
                return i;
        }
    }
    return n;
}

std::size_t crSchrittweise(const unsigned char *b, std::size_t n)
{
    return static_cast<std::size_t>(std::count(b, b + n, '\r'));
}

#if defined(__x86_64__)

// Six terms of a category, each with a substring and a pattern pair.
constexpr std::size_t hoechstensPaare = 12;

// The vector loops leave the last places, where a whole vector no longer
// fits, to the narrower loop: AVX2 to SSE2, SSE2 to the plain one.
std::size_t mitSse2(const unsigned char *b, std::size_t von, std::size_t n, const Paarsatz &satz)
{
    const std::vector<Vektorpaar> &paare = satz.paare;
    struct Konstanten {
        __m128i vm, vw, hm, hw;
    };
    if (paare.size() > hoechstensPaare)
        return schrittweise(b, von, n, satz);
    const auto fuellen = [](unsigned char byte) { return _mm_set1_epi8(static_cast<char>(byte)); };
    std::array<Konstanten, hoechstensPaare> k;
    for (std::size_t p = 0; p < paare.size(); ++p) {
        k[p] = {fuellen(paare[p].vornMaske), fuellen(paare[p].vornWert),
                fuellen(paare[p].hintenMaske), fuellen(paare[p].hintenWert)};
    }
    const std::size_t rand = satz.groessterAbstand + 16;
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
    return schrittweise(b, i, n, satz);
}

struct Avx2Konstanten {
    __m256i vm, vw, hm, hw;
};

__attribute__((target("avx2"))) std::size_t mitAvx2(const unsigned char *b, std::size_t von,
                                                    std::size_t n, const Paarsatz &satz)
{
    const std::vector<Vektorpaar> &paare = satz.paare;
    if (paare.size() > hoechstensPaare)
        return schrittweise(b, von, n, satz);
    std::array<Avx2Konstanten, hoechstensPaare> k;
    for (std::size_t p = 0; p < paare.size(); ++p) {
        k[p] = {_mm256_set1_epi8(static_cast<char>(paare[p].vornMaske)),
                _mm256_set1_epi8(static_cast<char>(paare[p].vornWert)),
                _mm256_set1_epi8(static_cast<char>(paare[p].hintenMaske)),
                _mm256_set1_epi8(static_cast<char>(paare[p].hintenWert))};
    }
    const std::size_t rand = satz.groessterAbstand + 32;
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
    return mitSse2(b, i, n, satz);
}

// Many pairs, each of two bytes side by side or of one byte (as a
// category's six terms bring with Paarart::Nachbarn), tested all at once in
// the manner of a multi-literal filter: a byte's low and high nibble each
// look up, in a table of 16, the groups of pairs whose side that byte may
// be; a bit that survives both look-ups, for the front byte and for the byte
// behind it (or the same byte), marks a place where a pair of that group may
// stand. Pair p belongs to group p % 8. Bytes of one group mix their nibbles,
// so a few more places pass than fit; each is tested pair by pair.
struct Avx2Nibbeltabellen {
    __m256i tief, hoch;
};

__attribute__((target("avx2"))) Avx2Nibbeltabellen avx2Tabellen(const Nibbeltabellen &t)
{
    return {_mm256_broadcastsi128_si256(
                _mm_loadu_si128(reinterpret_cast<const __m128i *>(t.tief.data()))),
            _mm256_broadcastsi128_si256(
                _mm_loadu_si128(reinterpret_cast<const __m128i *>(t.hoch.data())))};
}

// The groups each of the 32 bytes in v may be a side of, one byte each.
__attribute__((target("avx2"))) inline __m256i gruppen(__m256i v, const Avx2Nibbeltabellen &t)
{
    const __m256i nibble = _mm256_set1_epi8(0x0f);
    return _mm256_and_si256(
        _mm256_shuffle_epi8(t.tief, _mm256_and_si256(v, nibble)),
        _mm256_shuffle_epi8(t.hoch, _mm256_and_si256(_mm256_srli_epi16(v, 4), nibble)));
}

__attribute__((target("avx2"))) std::size_t mitAvx2Nachbarn(const unsigned char *b, std::size_t von,
                                                            std::size_t n, const Paarsatz &satz)
{
    const std::vector<Vektorpaar> &paare = satz.paare;
    if (satz.groessterAbstand > 1)
        return mitAvx2(b, von, n, satz);
    const Avx2Nibbeltabellen vorn = avx2Tabellen(satz.vorn);
    const Avx2Nibbeltabellen daneben = avx2Tabellen(satz.hintenDaneben);
    const Avx2Nibbeltabellen gleich = avx2Tabellen(satz.hintenGleich);
    const Avx2Nibbeltabellen dahinter = avx2Tabellen(satz.dahinter);
    const __m256i null = _mm256_setzero_si256();
    std::size_t i = von;
    for (; i + 34 <= n; i += 32) {
        const __m256i v = _mm256_loadu_si256(reinterpret_cast<const __m256i *>(b + i));
        const __m256i w = _mm256_loadu_si256(reinterpret_cast<const __m256i *>(b + i + 1));
        const __m256i x = _mm256_loadu_si256(reinterpret_cast<const __m256i *>(b + i + 2));
        const __m256i moeglich =
            _mm256_and_si256(_mm256_and_si256(gruppen(v, vorn), gruppen(x, dahinter)),
                             _mm256_or_si256(gruppen(w, daneben), gruppen(v, gleich)));
        auto stellen =
            ~static_cast<unsigned>(_mm256_movemask_epi8(_mm256_cmpeq_epi8(moeglich, null)));
        for (; stellen != 0; stellen &= stellen - 1) {
            const std::size_t stelle = i + static_cast<unsigned>(__builtin_ctz(stellen));
            for (const Vektorpaar &paar : paare) {
                if (passtAn(b, stelle, paar) &&
                    (b[stelle + 2] | paar.dahinterMaske) == paar.dahinterWert)
                    return stelle;
            }
        }
    }
    return schrittweise(b, i, n, satz);
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

#endif

} // namespace

bool abtastungMoeglich(Abtastung abtastung)
{
#if defined(__x86_64__)
    // SSE2 belongs to every x86-64 processor; AVX2 is asked for at run time.
    static const bool avx2 = __builtin_cpu_supports("avx2") && __builtin_cpu_supports("popcnt");
    return abtastung != Abtastung::Avx2 || avx2;
#else
    return abtastung == Abtastung::Schrittweise;
#endif
}

Abtastung schnellsteAbtastung()
{
    for (const Abtastung a : {Abtastung::Avx2, Abtastung::Sse2}) {
        if (abtastungMoeglich(a))
            return a;
    }
    return Abtastung::Schrittweise;
}

Paarart paarart(Abtastung abtastung, std::size_t paare)
{
    return abtastung == Abtastung::Avx2 && abtastungMoeglich(abtastung) && paare >= nachbarnAb
               ? Paarart::Nachbarn
               : Paarart::Seltenste;
}

Paarsuche paarsuche(Abtastung abtastung, Paarart art)
{
    switch (abtastungMoeglich(abtastung) ? abtastung : Abtastung::Schrittweise) {
#if defined(__x86_64__)
    case Abtastung::Avx2:
        return art == Paarart::Nachbarn ? mitAvx2Nachbarn : mitAvx2;
    case Abtastung::Sse2:
        return mitSse2;
#endif
    default:
        return schrittweise;
    }
}

CrZaehlung crZaehlung(Abtastung abtastung)
{
    switch (abtastungMoeglich(abtastung) ? abtastung : Abtastung::Schrittweise) {
#if defined(__x86_64__)
    case Abtastung::Avx2:
        return crMitAvx2;
    case Abtastung::Sse2:
        return crMitSse2;
#endif
    default:
        return crSchrittweise;
    }
}
