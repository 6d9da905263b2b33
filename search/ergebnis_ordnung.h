#pragma once

#include <QString>
#include <QStringList>

// The one order of every result and category list: German collation, case
// ignored, the same on every machine whatever its locale settings. Texts
// equal but for case keep a fixed order among themselves. A whole batch is
// sorted at once (collation keys are computed once per text).
void ergebnisseSortieren(QStringList &texte);
