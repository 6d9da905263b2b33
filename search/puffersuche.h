#pragma once

#include "archive/archiv_leser.h"
#include "search/paarabtastung.h"
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
// then. False on a read error (see leser.fehler()). The tests choose how the
// blocks are scanned; the search takes the fastest.
bool hauptbereichDurchsuchen(ArchivLeser &leser, const std::vector<Zeilentest> &tests,
                             std::size_t bedarf, std::vector<std::vector<Fundstelle>> &funde,
                             const std::function<bool()> &genug,
                             Abtastung abtastung = schnellsteAbtastung());

// One block of whole lines, the step hauptbereichDurchsuchen takes for every
// block it reads: adds to funde what the block holds for each test that has
// fewer than bedarf. ersteZeile: the number of the block's first line.
void blockDurchsuchen(std::string_view block, qint64 ersteZeile,
                      const std::vector<Zeilentest> &tests, std::size_t bedarf,
                      std::vector<std::vector<Fundstelle>> &funde, Abtastung abtastung);
