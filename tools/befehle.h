#pragma once

#include "tools/kanaele.h"

#include <QStringList>

#include <optional>

class Befehlszeile;
class SpeicherAnzeige;
class Suchmaschine;

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
// The category search for search's and random's sake, asking as above unless
// ja: the exit status when it ends without a list (declined, failed).
std::optional<int> kategorieSuchen(Suchmaschine &maschine, const QString &name, bool ja,
                                   SpeicherAnzeige &anzeige, Kanaele &k);
