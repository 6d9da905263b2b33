#include "kommandozeile/parserfehler.h"

#include <QTest>

using namespace Qt::StringLiterals;

// Each failure the parser reports in English, as the tools say it in German,
// in both ways a single dash can be read.
class TstParserfehler : public QObject {
    Q_OBJECT

private slots:
    void meldung_data()
    {
        QTest::addColumn<bool>("langeWorte"); // "-session" one option, not letters
        QTest::addColumn<QStringList>("argumente");
        QTest::addColumn<QString>("meldung");
        QTest::addColumn<QString>("argument");

        QTest::newRow("unbekannt, lang") << false << QStringList{u"--bogus"_s}
                                         << u"unbekannte Option „--bogus“"_s << u"--bogus"_s;
        QTest::newRow("unbekannt, mit Wert") << false << QStringList{u"a"_s, u"--bogus=1"_s}
                                             << u"unbekannte Option „--bogus“"_s << u"--bogus=1"_s;
        QTest::newRow("unbekannt, Buchstaben")
            << false << QStringList{u"-hxy"_s} << u"unbekannte Option „-x“"_s << u"-x"_s;
        QTest::newRow("unbekannt, ein Wort")
            << true << QStringList{u"-xy"_s} << u"unbekannte Option „-xy“"_s << u"-xy"_s;
        QTest::newRow("Wert fehlt") << false << QStringList{u"--session"_s}
                                    << u"„--session“ erwartet einen Wert"_s << u"--session"_s;
        // "--help" here is the value of --session, not the option.
        QTest::newRow("Wert zu viel")
            << false << QStringList{u"--session"_s, u"--help"_s, u"--help=1"_s}
            << u"„--help“ nimmt keinen Wert"_s << u"--help=1"_s;
        QTest::newRow("nach --") << false << QStringList{u"--"_s, u"--bogus"_s} << QString()
                                 << QString();
        QTest::newRow("gelesen") << false << QStringList{u"--session=x"_s, u"-v"_s} << QString()
                                 << QString();
    }

    void meldung()
    {
        QFETCH(bool, langeWorte);
        QFETCH(QStringList, argumente);
        QFETCH(QString, meldung);
        QFETCH(QString, argument);

        QCommandLineParser parser;
        if (langeWorte)
            parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        parser.addOptions({QCommandLineOption(QStringList{u"h"_s, u"help"_s}),
                           QCommandLineOption(QStringList{u"v"_s, u"version"_s}),
                           QCommandLineOption(u"session"_s, QString(), u"ID"_s)});
        const QStringList mitName = QStringList{u"prog"_s} + argumente;
        parser.parse(mitName);
        const auto fehler = parserfehler(parser, mitName);
        QCOMPARE(fehler ? aufDeutsch(*fehler) : QString(), meldung);
        QCOMPARE(fehler ? fehler->argument : QString(), argument);
    }
};

QTEST_APPLESS_MAIN(TstParserfehler)
#include "tst_parserfehler.moc"
