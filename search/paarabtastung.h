#pragma once

#include "search/bytepaar.h"

#include <array>
#include <cstddef>
#include <vector>

// A pair in the form the scans test: a byte b fits a side when
// (b | maske) == wert. The mask is the bits in which the side's two forms
// differ, so both forms fit, and at most a few other bytes: a superset,
// which only costs a line test now and then.
struct Vektorpaar {
    unsigned char vornMaske, vornWert, hintenMaske, hintenWert;
    std::size_t abstand;
    // The byte behind a pair of neighbours (Bytepaar::dahinter); every byte
    // fits the mask 0xff.
    unsigned char dahinterMaske = 0xff, dahinterWert = 0xff;
};

Vektorpaar vektorpaar(const Bytepaar &paar);

inline bool passtAn(const unsigned char *b, std::size_t i, const Vektorpaar &p)
{
    return (b[i] | p.vornMaske) == p.vornWert && (b[i + p.abstand] | p.hintenMaske) == p.hintenWert;
}

// For many pairs at once: a byte b may be a side of a pair in group g when
// bit g is set both in tief[b & 15] and in hoch[b >> 4]. Bytes of one group
// mix their nibbles, so a few more bytes pass than fit.
struct Nibbeltabellen {
    std::array<unsigned char, 16> tief{};
    std::array<unsigned char, 16> hoch{};

    // Sets bit gruppe for every byte b with (b | maske) == wert.
    void eintragen(unsigned char maske, unsigned char wert, unsigned char gruppe);
};

// The pairs of one block's scan, and what the scans work out from them once
// rather than at every call. Pair p belongs to group p % 8 of the tables;
// each pair's back byte is entered in hintenGleich when it is its front byte
// (distance 0), else in hintenDaneben; the byte behind it in dahinter. Only
// the scan for Paarart::Nachbarn reads the tables, so only it gets them: a
// plain pass would build them anew for every block.
struct Paarsatz {
    Paarsatz() = default;
    Paarsatz(std::vector<Vektorpaar> paare_, Paarart art);

    std::vector<Vektorpaar> paare;
    std::size_t groessterAbstand = 0;
    Nibbeltabellen vorn, hintenDaneben, hintenGleich, dahinter;
};

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
                                  const Paarsatz &satz);
// How many CRs the n bytes at b hold.
using CrZaehlung = std::size_t (*)(const unsigned char *b, std::size_t n);

// The scan's loops, chosen once per block rather than once per place: a
// place that fits is often only a few bytes behind the one before.
//
// From nachbarnAb pairs on, AVX2 looks for all of them in one go, which
// needs each pair's bytes side by side: the pairs of that many are taken
// as paarart() says, and paarsuche() gets the same answer.
constexpr std::size_t nachbarnAb = 3;
Paarart paarart(Abtastung abtastung, std::size_t paare);
Paarsuche paarsuche(Abtastung abtastung, Paarart art);
CrZaehlung crZaehlung(Abtastung abtastung);
