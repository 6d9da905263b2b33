#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>
#include <utility>

// Two bytes at a fixed distance that every hit of a test holds, each in one
// of two forms (upper and lower case, or the same byte twice). A scan over a
// whole block looks for such pairs first and tests a line only where one
// stands: two bytes fit by chance far more rarely than one.
struct Bytepaar {
    std::array<unsigned char, 2> vorn{};
    std::array<unsigned char, 2> hinten{};
    std::size_t abstand = 0; // from vorn to hinten
    // For a pair of neighbours (Paarart::Nachbarn): the byte right behind
    // hinten, when the run goes on. The scan for many pairs looks at it too,
    // which makes a place that fits by chance far rarer still.
    std::optional<std::array<unsigned char, 2>> dahinter;
};

// How common the plain character a raw byte stands for is in German text,
// case ignored: higher is more common, 0 is rare.
int haeufigkeit(unsigned char byte);

// Which two bytes of a run of plain characters make its pair: the rarest two
// anywhere, or two side by side (for the scan that looks for many pairs at
// once and needs them all at one distance): the first two of the rarest
// three in a row, the third being Bytepaar::dahinter.
enum class Paarart { Seltenste, Nachbarn };

// The positions of the two bytes, in order (the same position twice for a
// single byte); bytes must not be empty.
std::pair<std::size_t, std::size_t> seltensteStellen(std::string_view bytes,
                                                     Paarart art = Paarart::Seltenste);
