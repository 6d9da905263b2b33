#include "teilstring.h"

#include "cp1252.h"

#include <QChar>

#include <algorithm>
#include <array>

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

} // namespace

unsigned char kleinbuchstabe(unsigned char byte)
{
    return klein()[byte];
}

Teilstringsuche::Teilstringsuche(const QString &muster)
    : m_muster(kodiereKlein(muster, m_unmoeglich)), m_sucher(m_muster.cbegin(), m_muster.cend())
{
}

bool Teilstringsuche::enthalten(std::string_view zeile, std::string &puffer) const
{
    // An empty line contains nothing, not even the empty term.
    if (m_unmoeglich || zeile.empty() || zeile.size() < m_muster.size())
        return false;
    if (m_muster.empty())
        return true;
    puffer.resize(zeile.size());
    const auto &tabelle = klein();
    std::transform(zeile.begin(), zeile.end(), puffer.begin(), [&](char c) {
        return static_cast<char>(tabelle[static_cast<unsigned char>(c)]);
    });
    const auto treffer = std::search(puffer.cbegin(), puffer.cend(), m_sucher);
    return treffer != puffer.cend();
}
