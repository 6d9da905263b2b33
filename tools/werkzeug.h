#pragma once

#include "tools/kanaele.h"

#include <QStringList>

// sprho-archiv: pack, unpack, check and search archives from a shell.
// argumente excludes the program name. Returns the exit status.
int sprhoArchiv(const QStringList &argumente, Kanaele &k);
