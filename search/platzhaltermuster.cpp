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
    for (std::size_t i = 0;; ++i) {
        Stueck stueck{i, 0, {}, true};
        for (; i < m_teile.size() && m_teile[i].art != Art::Stern; ++i) {
            ++stueck.laenge;
            stueck.nurZeichen = stueck.nurZeichen && m_teile[i].art == Art::Zeichen;
            stueck.klartext.push_back(static_cast<char>(m_teile[i].zeichen));
        }
        m_stuecke.push_back(std::move(stueck));
        if (i >= m_teile.size())
            break;
    }
}

bool Platzhaltermuster::ohnePlatzhalter() const
{
    return std::all_of(m_teile.begin(), m_teile.end(),
                       [](const Teil &teil) { return teil.art == Art::Zeichen; });
}

std::optional<Bytepaar> Platzhaltermuster::bytepaar(Paarart art) const
{
    // The rarest pair within a piece of plain characters; a single plain
    // character counts as if its partner were the commonest.
    std::optional<Bytepaar> bestes;
    int besteHaeufigkeit = 0;
    const int haeufigste = haeufigkeit(' ');
    for (const Stueck &stueck : m_stuecke) {
        std::size_t i = 0;
        while (i < stueck.laenge) {
            std::size_t j = i;
            while (j < stueck.laenge && m_teile[stueck.anfang + j].art == Art::Zeichen)
                ++j;
            if (j > i) {
                const std::string_view lauf = std::string_view(stueck.klartext).substr(i, j - i);
                const auto [vorn, hinten] = seltensteStellen(lauf, art);
                const auto v = static_cast<unsigned char>(lauf[vorn]);
                const auto h = static_cast<unsigned char>(lauf[hinten]);
                const int summe = haeufigkeit(v) + (vorn == hinten ? haeufigste : haeufigkeit(h));
                if (!bestes || summe < besteHaeufigkeit) {
                    bestes = Bytepaar{{v, v}, {h, h}, hinten - vorn, std::nullopt};
                    if (art == Paarart::Nachbarn && hinten > vorn && hinten + 1 < lauf.size()) {
                        const auto d = static_cast<unsigned char>(lauf[hinten + 1]);
                        bestes->dahinter = {d, d};
                    }
                    besteHaeufigkeit = summe;
                }
            }
            i = j + 1;
        }
    }
    return bestes;
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

bool Platzhaltermuster::teilPasst(const Teil &teil, unsigned char byte) const
{
    switch (teil.art) {
    case Art::Beliebig:
        return true;
    case Art::Ziffer:
        return byte >= '0' && byte <= '9';
    case Art::Zeichen:
        return byte == teil.zeichen;
    case Art::Klasse:
        return m_klassen[teil.klasse].test(byte);
    case Art::Stern:
    case Art::Nie:
        break;
    }
    return false;
}

bool Platzhaltermuster::stueckPasstAn(const Stueck &stueck, std::string_view zeile,
                                      std::size_t pos) const
{
    for (std::size_t j = 0; j < stueck.laenge; ++j) {
        if (!teilPasst(m_teile[stueck.anfang + j], static_cast<unsigned char>(zeile[pos + j])))
            return false;
    }
    return true;
}

// Where the piece first fits inside [von, bis), or npos.
std::size_t Platzhaltermuster::stueckFinden(const Stueck &stueck, std::string_view zeile,
                                            std::size_t von, std::size_t bis) const
{
    if (bis < von + stueck.laenge)
        return std::string_view::npos;
    const std::string_view bereich = zeile.substr(von, bis - von);
    if (stueck.nurZeichen) {
        const std::size_t fund = bereich.find(stueck.klartext);
        return fund == std::string_view::npos ? fund : von + fund;
    }
    for (std::size_t pos = von; pos + stueck.laenge <= bis; ++pos) {
        if (stueckPasstAn(stueck, zeile, pos))
            return pos;
    }
    return std::string_view::npos;
}

bool Platzhaltermuster::passt(std::string_view zeile) const
{
    if (!m_gueltig || m_unerfuellbar || zeile.size() < m_mindestlaenge)
        return false;
    if (!m_hatStern)
        return zeile.size() == m_mindestlaenge && stueckPasstAn(m_stuecke.front(), zeile, 0);
    // The two ends first: they turn most lines away at once.
    const Stueck &erstes = m_stuecke.front();
    const Stueck &letztes = m_stuecke.back();
    const std::size_t ende = zeile.size() - letztes.laenge;
    if (!stueckPasstAn(erstes, zeile, 0) || !stueckPasstAn(letztes, zeile, ende))
        return false;
    std::size_t pos = erstes.laenge;
    for (std::size_t i = 1; i + 1 < m_stuecke.size(); ++i) {
        const std::size_t fund = stueckFinden(m_stuecke[i], zeile, pos, ende);
        if (fund == std::string_view::npos)
            return false;
        pos = fund + m_stuecke[i].laenge;
    }
    return true;
}
