#pragma once

#include "search/bytepaar.h"
#include "search/platzhaltermuster.h"
#include "search/teilstringsuche.h"

#include <QString>

#include <string_view>
#include <vector>

// Whether a raw main-area line is a hit for a term: it holds the term, case
// ignored, or it fits the term as a wildcard pattern as a whole. The term is
// scrambled once and compared with scrambled lines, so no line is
// unscrambled to be tested.
class Zeilentest {
public:
    // begriff: the term as typed, without its outer spaces.
    explicit Zeilentest(const QString &begriff);

    [[nodiscard]] bool passt(std::string_view zeile) const
    {
        return m_teilstring.enthalten(zeile) || m_muster.passt(zeile);
    }

    // Byte pairs of which every hit holds at least one; none when no line
    // can be a hit. Only while jedeZeile() is false.
    const std::vector<Bytepaar> &paare(Paarart art = Paarart::Seltenste) const
    {
        return art == Paarart::Seltenste ? m_paare : m_nachbarpaare;
    }
    // True when a hit need hold no particular bytes: every line is tested.
    bool jedeZeile() const { return m_jedeZeile; }

private:
    Teilstringsuche m_teilstring;
    Platzhaltermuster m_muster;
    std::vector<Bytepaar> m_paare;
    std::vector<Bytepaar> m_nachbarpaare;
    bool m_jedeZeile = false;
};
