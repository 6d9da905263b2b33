#pragma once

#include <array>
#include <cstddef>

// Two bytes at a fixed distance that every hit of a test holds, each in one
// of two forms (upper and lower case, or the same byte twice). A scan over a
// whole block looks for such pairs first and tests a line only where one
// stands: two bytes fit by chance far more rarely than one.
struct Bytepaar {
    std::array<unsigned char, 2> vorn{};
    std::array<unsigned char, 2> hinten{};
    std::size_t abstand = 0; // from vorn to hinten
};
