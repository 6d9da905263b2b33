#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// Where an archive is looked for when none is named: the working directory
// first, then the user's data folder, then the system's data folders, so that
// the user's own texts win over the installed sample and the sample is found
// from anywhere. The window and sprho-archiv look alike.
namespace archivorte {

// The archive's file name, in every folder the lookup tries.
inline const QString dateiname = QStringLiteral("sprho.dat");

// Every place tried, in order, from the working directory and the XDG
// variables (with their documented defaults).
QStringList orte();

// The first of orte() that exists; none when there is none.
std::optional<QString> erster();

// The folder that holds the user's own archive; empty when neither
// XDG_DATA_HOME nor HOME names one.
QString benutzerOrdner();

} // namespace archivorte
