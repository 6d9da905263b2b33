#pragma once

#include <QString>

#include <functional>
#include <string>
#include <string_view>

// The substring test of a search pass: does the raw line, lower-cased, contain
// the (scrambled) term, lower-cased? Both sides are lower-cased character by
// character, so the comparison stays one of character codes.
class Teilstringsuche {
public:
    explicit Teilstringsuche(const QString &muster);

    // puffer is scratch space the caller keeps between lines, so that
    // lower-casing a line allocates nothing in the steady state.
    [[nodiscard]] bool enthalten(std::string_view zeile, std::string &puffer) const;

private:
    bool m_unmoeglich = false; // the term holds a character no line can hold
    std::string m_muster;      // lower-cased, as Windows-1252 bytes
    std::boyer_moore_horspool_searcher<std::string::const_iterator> m_sucher;
};

// Lower-cases one Windows-1252 byte; every lower-case form of a Windows-1252
// character is again one.
unsigned char kleinbuchstabe(unsigned char byte);
