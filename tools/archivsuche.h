#pragma once

#include <QString>
#include <QStringList>

// Where sprho-archiv looks for an archive when no --archive names one: the
// working directory first, then the user's data folder, then the system's data
// folders, so that the installed sample is found from anywhere.
// (The window does not search: it reads the archive named to it, else sprho.dat
// of its working directory.)
namespace archivsuche {

// Every place tried, in order, from the working directory and the XDG
// variables (with their documented defaults).
QStringList orte();

// The first of orte() that exists; fails naming every place tried.
QString finden();

// Where add writes without --archive: ./sprho.dat if it exists, else the
// user's data folder, never a system folder.
QString zielFuerNeues();

} // namespace archivsuche
