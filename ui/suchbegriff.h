#pragma once

#include <QString>

// Whether a term may start a search: not blank, and not made only of "*" or
// only of "?" (up to 999 of them; a longer run is allowed again).
bool suchbegriffBrauchbar(const QString &text);
