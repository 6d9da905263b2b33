#pragma once

#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

// Writes a made-up archive for the benchmarks: German-looking short messages
// of 40 to 160 characters, scrambled and with CR LF after every line, always
// the same for the same plan.

// A word that is to turn up in exactly this many main-area lines, so that a
// search for it has a known, small number of hits.
struct GezaehltesWort {
    QString wort;
    std::int64_t zeilen = 0;
};

struct ArchivPlan {
    std::int64_t zeilen = 32767;   // every line, comments and markers included
    std::int64_t bereich1 = 10000; // "[" lines
    std::int64_t bereich2 = 500;   // "]" lines
    std::int64_t kommentare = 40;  // "#" lines, the first line among them
    std::vector<GezaehltesWort> gezaehlt;
    // Terms that must match no line at all. Words of the vocabulary that
    // contain one of these (or a counted word), in any case, are left out.
    std::vector<QString> nie;
    std::uint64_t saat = 0x5350'5248'4F52'5431ULL;
};

struct ArchivUmfang {
    std::int64_t zeilen = 0;
    std::int64_t bytes = 0;
    std::int64_t hauptbereich = 0;
};

// The error text, or nothing on success.
std::optional<QString> archivErzeugen(const QString &pfad, const ArchivPlan &plan,
                                      ArchivUmfang *umfang = nullptr);
