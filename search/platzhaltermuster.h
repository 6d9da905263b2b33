#pragma once

#include "search/bytepaar.h"

#include <QString>

#include <bitset>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A wildcard pattern, compiled once per search pass and matched against raw
// archive lines (Windows-1252 bytes), case-sensitively:
//   ?        any one character
//   *        any run of characters, also none
//   #        any one digit 0 to 9
//   [abc]    any one character in the list; a-z inside stands for a range
//   [!abc]   any one character not in the list
// The pattern must cover the whole line.
//
// The stars cut the pattern into pieces. The first piece must fit at the
// line's start and the last at its end; each piece between them is matched
// where it first fits after the one before (a later fit could only leave
// less room for the rest). So a line costs at most line length x pattern
// length steps, whatever the user types, and a piece of plain characters is
// found with a fast substring search. A pattern that needs more characters
// than a line has is rejected before any step, so a pasted megabyte costs no
// more per line than a short term.
class Platzhaltermuster {
public:
    explicit Platzhaltermuster(const QString &muster);

    [[nodiscard]] bool passt(std::string_view zeile) const;

    // False when a "[" has no closing "]": such a pattern matches nothing.
    bool gueltig() const { return m_gueltig; }
    // False when no line can match.
    bool erfuellbar() const { return m_gueltig && !m_unerfuellbar; }
    // True when the pattern holds no wildcard: it matches the one line that
    // is exactly the term.
    bool ohnePlatzhalter() const;
    // Two bytes of a run of plain characters (see Paarart), which every
    // matching line holds; nothing when the pattern has none.
    std::optional<Bytepaar> bytepaar(Paarart art = Paarart::Seltenste) const;

private:
    enum class Art : std::uint8_t { Stern, Beliebig, Ziffer, Zeichen, Klasse, Nie };
    struct Teil {
        Art art;
        unsigned char zeichen = 0; // for Zeichen
        std::uint32_t klasse = 0;  // index into m_klassen, for Klasse
    };

    // The parts between two stars (or a star and an end of the pattern).
    struct Stueck {
        std::size_t anfang;   // index of its first part
        std::size_t laenge;   // parts, each one character
        std::string klartext; // its bytes, when all of them are plain characters
        bool nurZeichen;
    };

    bool teilPasst(const Teil &teil, unsigned char byte) const;
    bool stueckPasstAn(const Stueck &stueck, std::string_view zeile, std::size_t pos) const;
    std::size_t stueckFinden(const Stueck &stueck, std::string_view zeile, std::size_t von,
                             std::size_t bis) const;
    qsizetype leseKlasse(const QString &muster, qsizetype pos);

    std::vector<Teil> m_teile;
    std::vector<std::bitset<256>> m_klassen;
    std::size_t m_mindestlaenge = 0; // characters the pattern needs at least
    std::vector<Stueck> m_stuecke;   // one more than there are stars
    bool m_hatStern = false;
    bool m_gueltig = true;
    bool m_unerfuellbar = false; // holds a character no archive byte can be
};
