#pragma once

#include <QString>

// The window's own fixed texts; the texts of the search are in
// search/meldungen.h.
namespace fenstertexte {

inline const QString weiter = QStringLiteral("&Weiter");
inline const QString ok = QStringLiteral("&OK");

inline const QString fehlerTitel = QStringLiteral("Fehler!");
inline const QString fehlerText = QStringLiteral(
    "Es ist ein Fehler aufgetreten! Vermutlich konnte die Datei sprho.dat nicht gefunden werden!");

inline const QString versautTitel = QStringLiteral("Wirklich?");

inline const QString hinweisTitel = QStringLiteral("Hinweis!");
inline const QString hinweisText = QStringLiteral(
    "Der ausgewählte Text wurde in die Zwischenablage kopiert und kann nun überall (andere "
    "Programm oder Browser) durch Drücken von STRG+V wieder in Textfelder eingefügt werden.");

// The caption above the current text, with its length in characters.
inline QString aktuellerText(qsizetype zeichen)
{
    return QStringLiteral("Aktueller Text (%1 Zeichen)").arg(zeichen);
}

} // namespace fenstertexte
