#include "search/meldungen.h"

namespace meldungen {

QString anzahl(qsizetype n)
{
    if (n == 0)
        return QStringLiteral("Keine Einträge gefunden!");
    if (n == 1)
        return QStringLiteral("Ein Eintrag gefunden!");
    return QString::number(n) + QStringLiteral(" gefundene Einträge!");
}

} // namespace meldungen
