// The wildcard matcher against a straightforward dynamic-programming matcher.
// Input: pattern bytes, a 0xFF separator, line bytes (both Windows-1252).
#include "archive/cp1252.h"
#include "search/platzhaltermuster.h"

#include <QString>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

// One pattern element: a set of bytes, or a star.
struct Element {
    bool stern = false;
    std::vector<bool> menge = std::vector<bool>(256, false);
};

// Parses the pattern the slow, obvious way. Returns false for an unclosed "[".
bool zerlegen(const QString &muster, std::vector<Element> &elemente)
{
    for (qsizetype i = 0; i < muster.size(); ++i) {
        Element e;
        const char16_t c = muster[i].unicode();
        if (c == u'*') {
            e.stern = true;
        } else if (c == u'?') {
            e.menge.assign(256, true);
        } else if (c == u'#') {
            for (int d = '0'; d <= '9'; ++d)
                e.menge[std::size_t(d)] = true;
        } else if (c == u'[') {
            const qsizetype ende = muster.indexOf(u']', i + 1);
            if (ende < 0)
                return false;
            qsizetype j = i + 1;
            const bool nicht = j < ende && muster[j] == u'!';
            if (nicht)
                ++j;
            for (unsigned b = 0; b < 256; ++b) {
                const char16_t z = cp1252::dekodiere(static_cast<unsigned char>(b));
                bool drin = false;
                for (qsizetype k = j; k < ende;) {
                    if (k + 2 < ende && muster[k + 1] == u'-') {
                        drin = drin || (z >= muster[k].unicode() && z <= muster[k + 2].unicode());
                        k += 3;
                    } else {
                        drin = drin || z == muster[k].unicode();
                        k += 1;
                    }
                }
                e.menge[b] = drin != nicht;
            }
            i = ende;
        } else {
            for (unsigned b = 0; b < 256; ++b)
                e.menge[b] = cp1252::dekodiere(static_cast<unsigned char>(b)) == c;
        }
        elemente.push_back(e);
    }
    return true;
}

bool passt(const std::vector<Element> &p, const std::string &z)
{
    // moeglich[j]: the first i elements can cover the first j bytes.
    std::vector<bool> moeglich(z.size() + 1, false);
    moeglich[0] = true;
    for (const Element &e : p) {
        std::vector<bool> weiter(z.size() + 1, false);
        for (std::size_t j = 0; j <= z.size(); ++j) {
            if (e.stern)
                weiter[j] = moeglich[j] || (j > 0 && weiter[j - 1]);
            else if (j > 0)
                weiter[j] = moeglich[j - 1] && e.menge[static_cast<unsigned char>(z[j - 1])];
        }
        moeglich = std::move(weiter);
    }
    return moeglich[z.size()];
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *daten, std::size_t groesse)
{
    const std::string alles(reinterpret_cast<const char *>(daten), groesse);
    const std::size_t trenner = alles.find('\xFF');
    if (trenner == std::string::npos || alles.size() > 4096)
        return 0;
    const QString muster = cp1252::dekodiere(std::string_view(alles).substr(0, trenner));
    const std::string zeile = alles.substr(trenner + 1);

    const Platzhaltermuster m(muster);
    std::vector<Element> elemente;
    const bool gueltig = zerlegen(muster, elemente);
    if (gueltig != m.gueltig())
        std::abort();
    const bool erwartet = gueltig && passt(elemente, zeile);
    if (m.passt(zeile) != erwartet)
        std::abort();
    return 0;
}
