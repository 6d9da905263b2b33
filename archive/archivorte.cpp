#include "archive/archivorte.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QString unterordner = QStringLiteral("spruchhort");

QStringList systemOrdner()
{
    QString liste = qEnvironmentVariable("XDG_DATA_DIRS");
    if (liste.isEmpty())
        liste = QStringLiteral("/usr/local/share:/usr/share");
    QStringList ordner;
    for (const QString &eintrag : liste.split(u':', Qt::SkipEmptyParts)) {
        // A relative value is invalid by the XDG rules and is ignored.
        if (!QDir::isRelativePath(eintrag))
            ordner << QDir::cleanPath(eintrag) + u'/' + unterordner;
    }
    return ordner;
}

} // namespace

namespace archivorte {

// Empty under cron or a bare service without HOME: better no user archive
// than one below "/".
QString benutzerOrdner()
{
    QString ordner = qEnvironmentVariable("XDG_DATA_HOME");
    if (ordner.isEmpty() || QDir::isRelativePath(ordner)) {
        const QString heim = qEnvironmentVariable("HOME");
        if (heim.isEmpty() || QDir::isRelativePath(heim) || QDir::cleanPath(heim) == u'/')
            return {};
        ordner = QDir::cleanPath(heim) + QStringLiteral("/.local/share");
    }
    return QDir::cleanPath(ordner) + u'/' + unterordner;
}

QStringList orte()
{
    QStringList pfade{dateiname};
    if (const QString ordner = benutzerOrdner(); !ordner.isEmpty())
        pfade << ordner + u'/' + dateiname;
    for (const QString &ordner : systemOrdner())
        pfade << ordner + u'/' + dateiname;
    return pfade;
}

std::optional<QString> erster()
{
    for (const QString &pfad : orte()) {
        if (QFileInfo::exists(pfad))
            return pfad;
    }
    return std::nullopt;
}

} // namespace archivorte
