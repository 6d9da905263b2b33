#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// What the command line asks of sprho: the window on an archive, or an answer
// that needs no window. It is read before the toolkit starts, so that help,
// version, wrong usage, an unreadable archive and a missing display are
// answered in German instead of by the toolkit's abort.
struct Aufruf {
    QString archiv;          // the archive named; empty: each search looks one up
    QStringList qtArgumente; // passed on to the toolkit: a session manager's -session ID
    std::optional<int> ende; // set when the program ends without a window, with this status
};

// Reads the arguments after the program name; help and version go to stdout,
// wrong usage and what keeps the window from opening to stderr.
Aufruf aufrufLesen(const QStringList &argumente);
