#include "tools/archivsuche.h"

#include "search/meldungen.h"
#include "tools/abbruch.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QString unterordner = QStringLiteral("spruchhort");

// Empty when neither XDG_DATA_HOME nor HOME names a folder (under cron or a
// bare service): better no user archive than one below "/".
QString benutzerOrdner()
{
    QString ordner = qEnvironmentVariable("XDG_DATA_HOME");
    // A relative value is invalid by the XDG rules and is ignored.
    if (ordner.isEmpty() || QDir::isRelativePath(ordner)) {
        const QString heim = qEnvironmentVariable("HOME");
        if (heim.isEmpty() || QDir::isRelativePath(heim) || QDir::cleanPath(heim) == u'/')
            return {};
        ordner = QDir::cleanPath(heim) + QStringLiteral("/.local/share");
    }
    return QDir::cleanPath(ordner) + u'/' + unterordner;
}

QStringList systemOrdner()
{
    QString liste = qEnvironmentVariable("XDG_DATA_DIRS");
    if (liste.isEmpty())
        liste = QStringLiteral("/usr/local/share:/usr/share");
    QStringList ordner;
    for (const QString &eintrag : liste.split(u':', Qt::SkipEmptyParts)) {
        if (!QDir::isRelativePath(eintrag))
            ordner << QDir::cleanPath(eintrag) + u'/' + unterordner;
    }
    return ordner;
}

} // namespace

namespace archivsuche {

QStringList orte()
{
    QStringList pfade{meldungen::archivName};
    if (const QString ordner = benutzerOrdner(); !ordner.isEmpty())
        pfade << ordner + u'/' + meldungen::archivName;
    for (const QString &ordner : systemOrdner())
        pfade << ordner + u'/' + meldungen::archivName;
    return pfade;
}

QString finden()
{
    const QStringList pfade = orte();
    for (const QString &pfad : pfade) {
        if (QFileInfo::exists(pfad))
            return pfad;
    }
    scheitern(QStringLiteral("kein Archiv gefunden; gesucht: %1 (--archive DATEI nennt eines)")
                  .arg(pfade.join(QStringLiteral(", "))));
}

QString zielFuerNeues()
{
    if (QFileInfo::exists(meldungen::archivName))
        return meldungen::archivName;
    const QString ordner = benutzerOrdner();
    if (ordner.isEmpty())
        scheitern(QStringLiteral("kein Ordner für eigene Archive bekannt (HOME und XDG_DATA_HOME "
                                 "fehlen); --archive DATEI nennt eines"));
    if (!QDir().mkpath(ordner))
        scheitern(QStringLiteral("„%1“ kann nicht angelegt werden").arg(ordner));
    return ordner + u'/' + meldungen::archivName;
}

} // namespace archivsuche
