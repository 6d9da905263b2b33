#pragma once

#include "tools/kanaele.h"

#include <QStringList>

class Befehlszeile;

// The subcommands of sprho-archiv. Each takes the arguments after its name
// and returns the exit status.
int packen(const QStringList &argumente, Kanaele &k);
int entpacken(const QStringList &argumente, Kanaele &k);
int pruefen(const QStringList &argumente, Kanaele &k);
int suchen(const QStringList &argumente, Kanaele &k);
int kategorie(const QStringList &argumente, Kanaele &k);
int zufall(const QStringList &argumente, Kanaele &k);

// Shared by the subcommands that search.

// The archive named by --archive, or sprho.dat.
QString archivAus(const Befehlszeile &zeile);
// Reports an archive that could not be searched; returns status::fehler.
int suchfehler(Kanaele &k, const QString &archiv, const QString &grund);
// Asks before the guarded category is searched: on a terminal only.
bool nachfragen(Kanaele &k);
