#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <vector>

// pack and unpack replace their output whole. Before an existing file is
// replaced, every line it holds is looked for among the lines written in its
// place; a line that would be lost (a text added since the last pack, an edit
// not packed yet) stops the run unless --force says to replace anyway.

// The lines an output is given, remembered by a 64-bit hash each rather than
// by their bytes: 8 bytes a line, 8 MB for an archive of a million lines. The
// hash is Qt's own 64-bit qHash over the raw bytes, with a fixed seed. A
// collision could only make a lost line look kept, never refuse an output
// that loses nothing; with 64 bits and a million lines it is about one chance
// in ten million.
class Zeilenbestand {
public:
    void aufnehmen(QByteArrayView zeile);
    // Each line of a text written with LF line ends.
    void textAufnehmen(const QByteArray &text);
    // Once all lines are in, before enthaelt.
    void abschliessen();
    [[nodiscard]] bool enthaelt(QByteArrayView zeile) const;

private:
    std::vector<std::size_t> m_hashes; // sorted by abschliessen
};

// Whether writing to pfad replaces an existing file; standard output ("-")
// and devices are written, never replaced.
bool ersetztDatei(const QString &pfad);

// Fail, leaving the file as it is, when the archive (pack) or the text file
// (unpack) at pfad holds a non-empty line that neu lacks. weiter names the
// ways on besides --force.
void archivVerlustAbweisen(const QString &pfad, const Zeilenbestand &neu, const QString &weiter);
void textVerlustAbweisen(const QString &pfad, const Zeilenbestand &neu, const QString &weiter);
