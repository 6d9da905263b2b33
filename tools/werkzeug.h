#pragma once

#include "tools/kanaele.h"

#include <QStringList>

// sprho-archiv: pack, unpack, check and search archives from a shell.
// argumente excludes the program name. Returns the exit status.
int sprhoArchiv(const QStringList &argumente, Kanaele &k);

// The subcommands, each in a file of its own.
int packen(const QStringList &argumente, Kanaele &k);
int entpacken(const QStringList &argumente, Kanaele &k);
int pruefen(const QStringList &argumente, Kanaele &k);
int suchen(const QStringList &argumente, Kanaele &k);
int kategorie(const QStringList &argumente, Kanaele &k);

// Reports wrong usage with a pointer to --help; returns status::bedienung.
int falscheBedienung(Kanaele &k, const QString &was);
