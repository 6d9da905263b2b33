#pragma once

#include "archive/archiv_leser.h"
#include "search/zeilentest.h"

#include <QString>

#include <cstddef>
#include <functional>
#include <string_view>
#include <vector>

// A main-area line a test fits: its number in the file (from 1) and its
// unscrambled text.
struct Fundstelle {
    qint64 zeile;
    QString text;
};

// Reads the archive once and finds, for every test at once, the first
// `bedarf` main-area lines it fits, in file order. genug is asked after each
// block whether what was found settles the caller's question; reading stops
// then. False on a read error (see leser.fehler()).
bool hauptbereichDurchsuchen(ArchivLeser &leser, const std::vector<Zeilentest> &tests,
                             std::size_t bedarf, std::vector<std::vector<Fundstelle>> &funde,
                             const std::function<bool()> &genug);
