#pragma once

#include "search/bytepaar.h"

#include <QString>

#include <array>
#include <string>
#include <string_view>

// The substring test of a search pass: does the raw line, lower-cased, contain
// the (scrambled) term, lower-cased? Both sides are lower-cased character by
// character, so the comparison stays one of character codes.
//
// It is the hot loop of every pass, so it never copies a line: it looks for
// places where the term's first character and its rarest other one stand in
// either case, and compares the rest only there.
class Teilstringsuche {
public:
    explicit Teilstringsuche(const QString &muster);

    [[nodiscard]] bool enthalten(std::string_view zeile) const;

    // True when the term is empty: every line but an empty one holds it.
    bool leer() const { return m_muster.empty() && !m_unmoeglich; }
    // True when no line can hold the term.
    bool unmoeglich() const { return m_unmoeglich; }
    // Two bytes of the term (see Paarart), in their order in the term: where
    // the first of them stands, a hit's line is.
    Bytepaar bytepaar(Paarart art = Paarart::Seltenste) const
    {
        return art == Paarart::Seltenste ? m_paar : m_nachbarpaar;
    }

private:
    bool restGleich(const unsigned char *stelle) const;
    bool enthaltenSchrittweise(const unsigned char *zeile, std::size_t von, std::size_t n) const;

    bool m_unmoeglich = false; // the term holds a character no line can hold
    std::string m_muster;      // lower-cased, as Windows-1252 bytes
    // The raw bytes whose lower-case form is the term's first byte, and the
    // byte at m_anker, the rarest letter after it. Every letter of
    // Windows-1252 has at most two forms.
    std::array<unsigned char, 2> m_erste{};
    std::array<unsigned char, 2> m_zweite{};
    std::size_t m_anker = 0;
    Bytepaar m_paar;
    Bytepaar m_nachbarpaar;
};
