#pragma once

#include <QString>
#include <QStringList>

// The archive lookup of archive/archivorte.h as sprho-archiv needs it: a
// failure ends the command with a message naming every place tried.
namespace archivsuche {

// Every place tried, in order.
QStringList orte();

// The first of orte() that exists; fails naming every place tried.
QString finden();

// Where add writes without --archive: ./sprho.dat if it exists, else the
// user's data folder, never a system folder.
QString zielFuerNeues();

} // namespace archivsuche
