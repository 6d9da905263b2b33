#include "archive/archivorte.h"

#include <QTest>

using namespace Qt::StringLiterals;

// Which places are tried, from the XDG variables and HOME; that the first existing one is read is
// checked through the window (tst_form1) and sprho-archiv (tst_werkzeug).
class TestArchivorte : public QObject {
    Q_OBJECT
private slots:
    void orte_data()
    {
        QTest::addColumn<QString>("umgebung"); // NAME=WERT ...; the others of the three unset
        QTest::addColumn<QString>("erwartet"); // the places after ./sprho.dat
        const QString standard =
            u"/usr/local/share/spruchhort/sprho.dat /usr/share/spruchhort/sprho.dat"_s;
        QTest::newRow("alle gesetzt, relative Ordner ausgelassen")
            << u"XDG_DATA_HOME=/d/ HOME=/h XDG_DATA_DIRS=/a:rel::/b//"_s
            << u"/d/spruchhort/sprho.dat /a/spruchhort/sprho.dat /b/spruchhort/sprho.dat"_s;
        QTest::newRow("XDG_DATA_HOME relativ, Standardordner")
            << u"XDG_DATA_HOME=rel HOME=/h/"_s
            << u"/h/.local/share/spruchhort/sprho.dat "_s + standard;
        // Cron and bare services: better no user archive than one below "/".
        QTest::newRow("HOME /") << u"HOME=/ XDG_DATA_DIRS=/s"_s << u"/s/spruchhort/sprho.dat"_s;
        QTest::newRow("HOME fehlt") << u""_s << standard;
    }

    void orte()
    {
        QFETCH(QString, umgebung);
        QFETCH(QString, erwartet);
        for (const char *name : {"XDG_DATA_HOME", "HOME", "XDG_DATA_DIRS"})
            qunsetenv(name);
        for (const QString &paar : umgebung.split(u' ', Qt::SkipEmptyParts))
            qputenv(qPrintable(paar.section(u'=', 0, 0)), paar.section(u'=', 1).toUtf8());
        QCOMPARE(archivorte::orte().join(u' '), u"sprho.dat "_s + erwartet);
    }
};

QTEST_GUILESS_MAIN(TestArchivorte)
#include "tst_archivorte.moc"
