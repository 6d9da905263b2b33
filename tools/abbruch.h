#pragma once

#include <QString>

// The one way a subcommand ends with a failure: it throws, and sprhoArchiv
// writes the message to standard error and returns the status. Whatever was
// being written is dropped on the way out (an unfinished QSaveFile is
// discarded when it goes out of scope).
struct Abbruch {
    int status;
    QString meldung;
};

// A failure of the work itself (a file missing, unreadable, not packable):
// status 1.
[[noreturn]] void scheitern(const QString &grund);
// Wrong usage, with a pointer to --help: status 2.
[[noreturn]] void falschBedient(const QString &was);
