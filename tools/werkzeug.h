#pragma once

#include "tools/kanaele.h"

#include <QStringList>

// sprho-archiv: pack, unpack, add to, check, search and pick at random from
// archives, from a shell.
// argumente excludes the program name. Returns the exit status.
int sprhoArchiv(const QStringList &argumente, Kanaele &k);
