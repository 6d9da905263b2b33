#pragma once

#include "kanaele.h"

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
int zufall(const QStringList &argumente, Kanaele &k);

// Reports wrong usage with a pointer to --help; returns status::bedienung.
int falscheBedienung(Kanaele &k, const QString &was);
// Reports an archive that could not be searched; returns status::fehler.
int suchfehler(Kanaele &k, const QString &archiv, const QString &grund);
// Asks before the guarded category is searched: on a terminal only.
bool nachfragen(Kanaele &k);
