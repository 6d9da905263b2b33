#include "archive/archivorte.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Sets a variable, or unsets it for "-".
void setzen(const char *name, const QString &wert)
{
    if (wert == u"-")
        qunsetenv(name);
    else
        qputenv(name, wert.toUtf8());
}

} // namespace

// Which places are tried, from the XDG variables and HOME; that the first existing one is read is
// checked through sprho-archiv (tst_werkzeug).
class TestArchivorte : public QObject {
    Q_OBJECT
private slots:
    void orte_data()
    {
        QTest::addColumn<QString>("datenHeim");   // XDG_DATA_HOME, "-" unset
        QTest::addColumn<QString>("heim");        // HOME
        QTest::addColumn<QString>("datenOrdner"); // XDG_DATA_DIRS
        QTest::addColumn<QString>("erwartet");    // the places after ./sprho.dat, "|" between
        const QString standard = u"/usr/local/share/spruchhort/sprho.dat|"
                                 u"/usr/share/spruchhort/sprho.dat"_s;
        QTest::newRow("alle gesetzt, relative Ordner ausgelassen")
            << u"/d/"_s << u"/h"_s << u"/a:rel::/b//"_s
            << u"/d/spruchhort/sprho.dat|/a/spruchhort/sprho.dat|/b/spruchhort/sprho.dat"_s;
        QTest::newRow("XDG_DATA_HOME relativ, Standardordner")
            << u"rel"_s << u"/h/"_s << u"-"_s
            << u"/h/.local/share/spruchhort/sprho.dat|"_s + standard;
        QTest::newRow("XDG_DATA_HOME leer")
            << u""_s << u"/h"_s << u""_s << u"/h/.local/share/spruchhort/sprho.dat|"_s + standard;
        // Cron and bare services: better no user archive than one below "/".
        QTest::newRow("HOME /") << u"-"_s << u"/"_s << u"/s"_s << u"/s/spruchhort/sprho.dat"_s;
        QTest::newRow("HOME fehlt") << u"-"_s << u"-"_s << u"-"_s << standard;
        QTest::newRow("HOME relativ") << u"-"_s << u"h"_s << u"-"_s << standard;
    }

    void orte()
    {
        QFETCH(QString, datenHeim);
        QFETCH(QString, heim);
        QFETCH(QString, datenOrdner);
        QFETCH(QString, erwartet);
        setzen("XDG_DATA_HOME", datenHeim);
        setzen("HOME", heim);
        setzen("XDG_DATA_DIRS", datenOrdner);
        QCOMPARE(archivorte::orte().join(u'|'), u"sprho.dat|"_s + erwartet);
    }
};

QTEST_GUILESS_MAIN(TestArchivorte)
#include "tst_archivorte.moc"
