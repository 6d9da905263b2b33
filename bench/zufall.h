#pragma once

#include <cstdint>

// A small deterministic generator (splitmix64). The standard distributions are
// not the same across library versions; this is, so a seed gives the same
// archive everywhere.
class Zufall {
public:
    explicit Zufall(std::uint64_t saat) : m_zustand(saat) {}

    std::uint64_t naechste()
    {
        std::uint64_t z = (m_zustand += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }

    // 0 .. n-1; the modulo bias is far below anything a benchmark notices.
    std::uint64_t bis(std::uint64_t n) { return n == 0 ? 0 : naechste() % n; }

private:
    std::uint64_t m_zustand;
};
