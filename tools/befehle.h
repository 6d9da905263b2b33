#pragma once

#include "tools/kanaele.h"

#include <QStringList>

class SpeicherAnzeige;
class Suchmaschine;

// The subcommands of sprho-archiv. Each takes the arguments after its name
// and returns the exit status; a failure ends it through abbruch.h.
int packen(const QStringList &argumente, Kanaele &k);
int entpacken(const QStringList &argumente, Kanaele &k);
int pruefen(const QStringList &argumente, Kanaele &k);
int suchen(const QStringList &argumente, Kanaele &k);
int kategorie(const QStringList &argumente, Kanaele &k);
int zufall(const QStringList &argumente, Kanaele &k);
int hinzufuegen(const QStringList &argumente, Kanaele &k);

// Shared by the subcommands that search.

// The names of the categories, in the window's order.
QStringList kategorienamen();
// "; meinten Sie „Freunschaften“?" for a name close to a category's, else empty.
QString kategorieVorschlag(const QString &name);
// Asks before the guarded category is searched: on a terminal only.
bool nachfragen(Kanaele &k);
// How a pass that could not read the archive is told: category calls it a
// failed search pass, random an unreadable archive.
enum class Lesefehler { Suchlauf, Unlesbar };
// The category search for category's and random's sake, asking as above
// unless ja: fails when declined or when the archive could not be searched.
void kategorieSuchen(Suchmaschine &maschine, const QString &name, bool ja, SpeicherAnzeige &anzeige,
                     Kanaele &k, Lesefehler form);
