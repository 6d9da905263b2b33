#pragma once

#include <QString>

// The fixed texts the search itself writes or needs; the window's own boxes
// are in ui/fenstertexte.h.
namespace meldungen {

inline const QString versautName = QStringLiteral("Versaut");
// Asked before the guarded category is searched, in the window and the tool.
inline const QString versautFrage = QStringLiteral(
    "Mit Ihren Klick auf JA bestätigen Sie, dass Sie die richtig versauten SMS lesen wollen - "
    "auf eigene Verantwortung! Sprüche unterhalb der Gürterllinie nehmen Sie dabei in Kauf! "
    "Mit NEIN können Sie jetzt noch abbrechen ...");

// The result-count message for n entries in the list.
QString anzahl(qsizetype n);

} // namespace meldungen
