#pragma once

#include <QString>

// The one way a helper or subcommand ends the run with a failure: it throws,
// and sprhoArchiv writes the message to standard error and returns the
// status. Whatever was being written is dropped on the way out (an unfinished
// QSaveFile is discarded when it goes out of scope).
struct Abbruch {
    int status;
    QString meldung;
};

// Not a failure: the run ends with status 0 once ausgabe is on standard
// output. --help of a subcommand ends this way, from wherever it is read.
struct Fertig {
    QString ausgabe;
};

// A failure of the work itself (a file missing, unreadable, not packable):
// status 1.
[[noreturn]] void scheitern(const QString &grund);
// A file that cannot be read, and why.
[[noreturn]] void unlesbar(const QString &pfad, const QString &grund);
// Wrong usage, with a pointer to --help: status 2.
[[noreturn]] void falschBedient(const QString &was);
