#pragma once

#include "search/bytepaar.h"

#include <cstddef>
#include <vector>

// A pair in the form the scans test: a byte b fits a side when
// (b | maske) == wert. The mask is the bits in which the side's two forms
// differ, so both forms fit, and at most a few other bytes: a superset,
// which only costs a line test now and then.
struct Vektorpaar {
    unsigned char vornMaske, vornWert, hintenMaske, hintenWert;
    std::size_t abstand;
};

Vektorpaar vektorpaar(const Bytepaar &paar);

inline bool passtAn(const unsigned char *b, std::size_t i, const Vektorpaar &p)
{
    return (b[i] | p.vornMaske) == p.vornWert && (b[i + p.abstand] | p.hintenMaske) == p.hintenWert;
}

// The ways a block is scanned: one place after the other, sixteen places at
// once with SSE2, thirty-two with AVX2. All find the same places; the search
// takes the fastest this processor has, so that it also runs on processors
// (and in virtual machines) without AVX2.
enum class Abtastung { Schrittweise, Sse2, Avx2 };

bool abtastungMoeglich(Abtastung abtastung);
Abtastung schnellsteAbtastung();

// The first place in [von, n) where one of the pairs stands with both its
// bytes before n; n when there is none.
using Paarsuche = std::size_t (*)(const unsigned char *b, std::size_t von, std::size_t n,
                                  const std::vector<Vektorpaar> &paare);
// How many CRs the n bytes at b hold.
using CrZaehlung = std::size_t (*)(const unsigned char *b, std::size_t n);

// The scan's loops, chosen once per block rather than once per place: a
// place that fits is often only a few bytes behind the one before.
Paarsuche paarsuche(Abtastung abtastung);
CrZaehlung crZaehlung(Abtastung abtastung);
