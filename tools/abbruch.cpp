#include "tools/abbruch.h"

#include "tools/kanaele.h"

void scheitern(const QString &grund)
{
    throw Abbruch{status::fehler, QStringLiteral("sprho-archiv: ") + grund};
}

void unlesbar(const QString &pfad, const QString &grund)
{
    scheitern(QStringLiteral("„%1“ kann nicht gelesen werden: %2").arg(pfad, grund));
}

void falschBedient(const QString &was)
{
    throw Abbruch{
        status::bedienung,
        QStringLiteral("sprho-archiv: %1\n„sprho-archiv --help“ zeigt die Bedienung.").arg(was)};
}
