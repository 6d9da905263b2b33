#include "search/teilstringsuche.h"

#include "archive/cp1252.h"

#include <QChar>

#include <array>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

std::array<unsigned char, 256> kleinTabelle()
{
    std::array<unsigned char, 256> tabelle{};
    for (unsigned b = 0; b < 256; ++b) {
        const auto byte = static_cast<unsigned char>(b);
        const char16_t klein = QChar(cp1252::dekodiere(byte)).toLower().unicode();
        tabelle[b] = cp1252::kodiere(klein).value_or(byte);
    }
    return tabelle;
}

const std::array<unsigned char, 256> &klein()
{
    static const std::array<unsigned char, 256> tabelle = kleinTabelle();
    return tabelle;
}

std::string kodiereKlein(const QString &muster, bool &unmoeglich)
{
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(muster.size()));
    for (const QChar c : muster) {
        const auto byte = cp1252::kodiere(c.toLower().unicode());
        if (!byte) {
            unmoeglich = true;
            return {};
        }
        bytes.push_back(static_cast<char>(*byte));
    }
    return bytes;
}

// Both raw forms of a lower-case byte (the same byte twice if it has one).
std::array<unsigned char, 2> formen(unsigned char klein_)
{
    std::array<unsigned char, 2> ergebnis{klein_, klein_};
    int gefunden = 0;
    for (unsigned b = 0; b < 256 && gefunden < 2; ++b) {
        if (klein()[b] == klein_)
            ergebnis[static_cast<std::size_t>(gefunden++)] = static_cast<unsigned char>(b);
    }
    if (gefunden == 1)
        ergebnis[1] = ergebnis[0];
    return ergebnis;
}

} // namespace

Teilstringsuche::Teilstringsuche(const QString &muster)
    : m_muster(kodiereKlein(muster, m_unmoeglich))
{
    if (m_muster.empty())
        return;
    const auto byte = [&](std::size_t j) { return static_cast<unsigned char>(m_muster[j]); };
    for (std::size_t j = 1; j < m_muster.size(); ++j) {
        if (m_anker == 0 || haeufigkeit(byte(j)) <= haeufigkeit(byte(m_anker)))
            m_anker = j;
    }
    m_erste = formen(byte(0));
    m_zweite = formen(byte(m_anker));

    // For a scan across whole blocks the rarest two bytes of all are best.
    const auto paar = [&](Paarart art) {
        const auto [vorn, hinten] = seltensteStellen(m_muster, art);
        Bytepaar p{formen(byte(vorn)), formen(byte(hinten)), hinten - vorn, std::nullopt};
        if (art == Paarart::Nachbarn && hinten > vorn && hinten + 1 < m_muster.size())
            p.dahinter = formen(byte(hinten + 1));
        return p;
    };
    m_paar = paar(Paarart::Seltenste);
    m_nachbarpaar = paar(Paarart::Nachbarn);
}

bool Teilstringsuche::restGleich(const unsigned char *stelle) const
{
    const auto &tabelle = klein();
    for (std::size_t j = 1; j < m_muster.size(); ++j) {
        if (tabelle[stelle[j]] != static_cast<unsigned char>(m_muster[j]))
            return false;
    }
    return true;
}

bool Teilstringsuche::enthaltenSchrittweise(const unsigned char *zeile, std::size_t von,
                                            std::size_t n) const
{
    const std::size_t m = m_muster.size();
    for (std::size_t i = von; i + m <= n; ++i) {
        const unsigned char a = zeile[i];
        const unsigned char z = zeile[i + m_anker];
        if ((a == m_erste[0] || a == m_erste[1]) && (z == m_zweite[0] || z == m_zweite[1]) &&
            restGleich(zeile + i))
            return true;
    }
    return false;
}

bool Teilstringsuche::enthalten(std::string_view zeile) const
{
    // An empty line contains nothing, not even the empty term.
    if (m_unmoeglich || zeile.empty() || zeile.size() < m_muster.size())
        return false;
    if (m_muster.empty())
        return true;

    const auto *s = reinterpret_cast<const unsigned char *>(zeile.data());
    const std::size_t n = zeile.size();
    const std::size_t m = m_muster.size();
    std::size_t i = 0;
#if defined(__SSE2__)
    // Sixteen start positions at once: where do both anchors fit?
    const auto fuellen = [](unsigned char b) { return _mm_set1_epi8(static_cast<char>(b)); };
    const __m128i e0 = fuellen(m_erste[0]);
    const __m128i e1 = fuellen(m_erste[1]);
    const __m128i l0 = fuellen(m_zweite[0]);
    const __m128i l1 = fuellen(m_zweite[1]);
    for (; i + m - 1 + 16 <= n; i += 16) {
        const __m128i vorn = _mm_loadu_si128(reinterpret_cast<const __m128i *>(s + i));
        const __m128i hinten = _mm_loadu_si128(reinterpret_cast<const __m128i *>(s + i + m_anker));
        const __m128i passtVorn = _mm_or_si128(_mm_cmpeq_epi8(vorn, e0), _mm_cmpeq_epi8(vorn, e1));
        const __m128i passtHinten =
            _mm_or_si128(_mm_cmpeq_epi8(hinten, l0), _mm_cmpeq_epi8(hinten, l1));
        auto kandidaten =
            static_cast<unsigned>(_mm_movemask_epi8(_mm_and_si128(passtVorn, passtHinten)));
        while (kandidaten != 0) {
            if (restGleich(s + i + static_cast<unsigned>(__builtin_ctz(kandidaten))))
                return true;
            kandidaten &= kandidaten - 1;
        }
    }
#endif
    return enthaltenSchrittweise(s, i, n);
}
