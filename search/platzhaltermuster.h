#pragma once

#include "search/bytepaar.h"

#include <QString>

#include <bitset>
#include <cstdint>
#include <optional>
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
// Matching backtracks only to the most recent star, so a line costs at most
// line length x pattern length steps, whatever the user types. A pattern that
// needs more characters than a line has is rejected before any step, so a
// pasted megabyte costs no more per line than a short term.
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
    // The first and last byte of the longest run of plain characters, which
    // every matching line holds; nothing when the pattern has none.
    std::optional<Bytepaar> bytepaar() const;

private:
    enum class Art : std::uint8_t { Stern, Beliebig, Ziffer, Zeichen, Klasse, Nie };
    struct Teil {
        Art art;
        unsigned char zeichen = 0; // for Zeichen
        std::uint32_t klasse = 0;  // index into m_klassen, for Klasse
    };

    static bool teilPasst(const Teil &teil, unsigned char byte,
                          const std::vector<std::bitset<256>> &klassen);
    qsizetype leseKlasse(const QString &muster, qsizetype pos);

    std::vector<Teil> m_teile;
    std::vector<std::bitset<256>> m_klassen;
    std::size_t m_mindestlaenge = 0; // characters the pattern needs at least
    std::size_t m_anfangsteile = 0;  // parts before the first star
    std::size_t m_endteile = 0;      // parts after the last star
    bool m_hatStern = false;
    bool m_gueltig = true;
    bool m_unerfuellbar = false; // holds a character no archive byte can be
};
