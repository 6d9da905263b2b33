#pragma once

#include <QString>

// The program's fixed texts that the search itself produces or needs.
namespace meldungen {

inline const QString archivName = QStringLiteral("sprho.dat");

inline const QString fehlerTitel = QStringLiteral("Fehler!");
inline const QString fehlerText = QStringLiteral(
    "Es ist ein Fehler aufgetreten! Vermutlich konnte die Datei sprho.dat nicht gefunden werden!");

inline const QString versautName = QStringLiteral("Versaut");
inline const QString versautTitel = QStringLiteral("Wirklich?");
inline const QString versautFrage = QStringLiteral(
    "Mit Ihren Klick auf JA bestätigen Sie, dass Sie die richtig versauten SMS lesen wollen - "
    "auf eigene Verantwortung! Sprüche unterhalb der Gürterllinie nehmen Sie dabei in Kauf! "
    "Mit NEIN können Sie jetzt noch abbrechen ...");

// The result-count message for n entries in the list.
QString anzahl(qsizetype n);

} // namespace meldungen
