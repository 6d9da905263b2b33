#pragma once

#include "tools/kanaele.h"

#include <QStringList>

// The subcommands of sprho-archiv. Each takes the arguments after its name
// and returns the exit status.
int packen(const QStringList &argumente, Kanaele &k);
int entpacken(const QStringList &argumente, Kanaele &k);
int pruefen(const QStringList &argumente, Kanaele &k);
int suchen(const QStringList &argumente, Kanaele &k);
int kategorie(const QStringList &argumente, Kanaele &k);
