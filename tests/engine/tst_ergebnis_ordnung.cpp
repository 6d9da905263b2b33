#include "search/ergebnis_ordnung.h"

#include <QLocale>
#include <QTest>

using namespace Qt::StringLiterals;

class TestErgebnisOrdnung : public QObject {
    Q_OBJECT
private slots:
    // One order for every list: German, case ignored, whatever the locale; ties in a fixed order.
    void ergebnisOrdnung()
    {
        const QString x(1000, u'x'); // longer texts are compared without collation keys
        const QStringList erwartet{u"arg"_s,    u"Ärger"_s + x, u"HALLO"_s,     u"Hallo"_s,
                                   u"hallo"_s,  u"HALLO"_s + x, u"Hallo"_s + x, u"hallo"_s + x,
                                   u"öde"_s,    u"Ofen"_s + x,  u"Strasse"_s,   u"Straße"_s + x,
                                   u"Strauß"_s, u"Zebra"_s};
        QStringList liste;
        for (qsizetype i = 0; i < erwartet.size(); ++i)
            liste << erwartet[i * 5 % erwartet.size()];
        const QLocale vorher;
        for (const auto sprache : {QLocale::C, QLocale::Swedish}) {
            QLocale::setDefault(QLocale(sprache));
            QStringList sortiert = liste;
            ergebnisseSortieren(sortiert);
            QCOMPARE(sortiert, erwartet);
        }
        QLocale::setDefault(vorher);
    }
};

QTEST_GUILESS_MAIN(TestErgebnisOrdnung)
#include "tst_ergebnis_ordnung.moc"
