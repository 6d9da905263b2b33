#include "search/platzhaltermuster.h"

#include "archive/cp1252.h"

#include <algorithm>

Platzhaltermuster::Platzhaltermuster(const QString &muster)
{
    for (qsizetype pos = 0; pos < muster.size() && m_gueltig; ++pos) {
        const char16_t c = muster[pos].unicode();
        switch (c) {
        case u'*':
            // A run of stars means the same as one.
            if (m_teile.empty() || m_teile.back().art != Art::Stern)
                m_teile.push_back({Art::Stern});
            m_hatStern = true;
            continue;
        case u'?':
            m_teile.push_back({Art::Beliebig});
            break;
        case u'#':
            m_teile.push_back({Art::Ziffer});
            break;
        case u'[':
            pos = leseKlasse(muster, pos + 1);
            break;
        default:
            if (const auto byte = cp1252::kodiere(c)) {
                m_teile.push_back({Art::Zeichen, *byte});
            } else {
                m_teile.push_back({Art::Nie});
                m_unerfuellbar = true;
            }
            break;
        }
        ++m_mindestlaenge;
    }
    while (m_anfangsteile < m_teile.size() && m_teile[m_anfangsteile].art != Art::Stern)
        ++m_anfangsteile;
    while (m_hatStern && m_endteile < m_teile.size() &&
           m_teile[m_teile.size() - 1 - m_endteile].art != Art::Stern)
        ++m_endteile;
}

bool Platzhaltermuster::ohnePlatzhalter() const
{
    return std::all_of(m_teile.begin(), m_teile.end(),
                       [](const Teil &teil) { return teil.art == Art::Zeichen; });
}

std::optional<Bytepaar> Platzhaltermuster::bytepaar() const
{
    std::size_t besterAnfang = 0;
    std::size_t besteLaenge = 0;
    for (std::size_t i = 0; i < m_teile.size();) {
        std::size_t j = i;
        while (j < m_teile.size() && m_teile[j].art == Art::Zeichen)
            ++j;
        if (j - i > besteLaenge) {
            besterAnfang = i;
            besteLaenge = j - i;
        }
        i = j + 1;
    }
    if (besteLaenge == 0)
        return std::nullopt;
    const unsigned char vorn = m_teile[besterAnfang].zeichen;
    const unsigned char hinten = m_teile[besterAnfang + besteLaenge - 1].zeichen;
    return Bytepaar{{vorn, vorn}, {hinten, hinten}, besteLaenge - 1};
}

// Reads a list that starts at pos (just after "[") and returns the position
// of its closing "]". Without one the whole pattern is invalid.
qsizetype Platzhaltermuster::leseKlasse(const QString &muster, qsizetype pos)
{
    const qsizetype schluss = muster.indexOf(u']', pos);
    if (schluss < 0) {
        m_gueltig = false;
        return muster.size();
    }
    bool verneint = false;
    if (pos < schluss && muster[pos] == u'!') {
        verneint = true;
        ++pos;
    }
    std::bitset<256> menge;
    while (pos < schluss) {
        const char16_t von = muster[pos].unicode();
        // "a-z" is a range; a "-" first or last in the list is itself.
        if (pos + 2 < schluss && muster[pos + 1] == u'-') {
            const char16_t bis = muster[pos + 2].unicode();
            for (unsigned b = 0; b < 256; ++b) {
                const char16_t z = cp1252::dekodiere(static_cast<unsigned char>(b));
                if (z >= von && z <= bis) // a reversed range is empty
                    menge.set(b);
            }
            pos += 3;
        } else {
            if (const auto byte = cp1252::kodiere(von))
                menge.set(*byte);
            ++pos;
        }
    }
    if (verneint)
        menge.flip();
    if (menge.none())
        m_unerfuellbar = true;
    m_klassen.push_back(menge);
    m_teile.push_back({Art::Klasse, 0, static_cast<std::uint32_t>(m_klassen.size() - 1)});
    return schluss;
}

bool Platzhaltermuster::teilPasst(const Teil &teil, unsigned char byte,
                                  const std::vector<std::bitset<256>> &klassen)
{
    switch (teil.art) {
    case Art::Beliebig:
        return true;
    case Art::Ziffer:
        return byte >= '0' && byte <= '9';
    case Art::Zeichen:
        return byte == teil.zeichen;
    case Art::Klasse:
        return klassen[teil.klasse].test(byte);
    case Art::Stern:
    case Art::Nie:
        break;
    }
    return false;
}

bool Platzhaltermuster::passt(std::string_view zeile) const
{
    if (!m_gueltig || m_unerfuellbar || zeile.size() < m_mindestlaenge)
        return false;
    if (!m_hatStern && zeile.size() != m_mindestlaenge)
        return false;
    // The parts before the first star and after the last one sit at the
    // line's two ends: testing them first turns most lines away at once.
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(zeile[i]); };
    for (std::size_t i = 0; i < m_anfangsteile; ++i) {
        if (!teilPasst(m_teile[i], byte(i), m_klassen))
            return false;
    }
    for (std::size_t i = 1; i <= m_endteile; ++i) {
        if (!teilPasst(m_teile[m_teile.size() - i], byte(zeile.size() - i), m_klassen))
            return false;
    }

    // Walk line and pattern together; on a mismatch go back to the last star
    // and let it swallow one more character. Earlier stars never need to be
    // revisited: whatever they could swallow the last star can swallow too.
    const std::size_t anzahl = m_teile.size();
    std::size_t p = 0;
    std::size_t z = 0;
    std::size_t sternP = anzahl; // no star seen yet
    std::size_t sternZ = 0;
    while (z < zeile.size()) {
        if (p < anzahl && m_teile[p].art == Art::Stern) {
            sternP = p++;
            sternZ = z;
            continue;
        }
        if (p < anzahl && teilPasst(m_teile[p], static_cast<unsigned char>(zeile[z]), m_klassen)) {
            ++p;
            ++z;
            continue;
        }
        if (sternP == anzahl)
            return false;
        p = sternP + 1;
        z = ++sternZ;
    }
    while (p < anzahl && m_teile[p].art == Art::Stern)
        ++p;
    return p == anzahl;
}
