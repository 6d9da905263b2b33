#include "tools/archivsuche.h"

#include "archive/archivorte.h"
#include "tools/abbruch.h"

#include <QDir>
#include <QFileInfo>

namespace archivsuche {

QStringList orte()
{
    return archivorte::orte();
}

QString finden()
{
    if (const auto pfad = archivorte::erster())
        return *pfad;
    scheitern(QStringLiteral("kein Archiv gefunden; gesucht: %1 (--archive DATEI nennt eines)")
                  .arg(orte().join(QStringLiteral(", "))));
}

QString zielFuerNeues()
{
    if (QFileInfo::exists(archivorte::dateiname))
        return archivorte::dateiname;
    const QString ordner = archivorte::benutzerOrdner();
    if (ordner.isEmpty())
        scheitern(QStringLiteral("kein Ordner für eigene Archive bekannt (HOME und XDG_DATA_HOME "
                                 "fehlen); --archive DATEI nennt eines"));
    if (!QDir().mkpath(ordner))
        scheitern(QStringLiteral("„%1“ kann nicht angelegt werden").arg(ordner));
    return ordner + u'/' + archivorte::dateiname;
}

} // namespace archivsuche
