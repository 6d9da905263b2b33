#include "search/kategorie_tabelle.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestKategorieTabelle : public QObject {
    Q_OBJECT
private slots:
    // The fixed table: name and keywords of each category, "###" in a free slot; 200 rows at most.
    void kategorien()
    {
        KategorieTabelle t;
        t.kateg_laden();
        QStringList zeilen;
        for (const QString &name : t.namen()) {
            const auto begriffe = t.suchbegriffe(t.zeileZu(name));
            zeilen << QStringList(begriffe.begin(), begriffe.end()).join(u',');
        }
        QCOMPARE(
            zeilen.join(u'|'),
            u"Alkohol & Co.,Alkohol,Bier,Drogen,saufen,Rausch|Frauen,Frau,Mädchen,Dame,Ehe,###|"
            u"Freunschaften,Freundin,Freund,Partner,Beziehung,###|"
            u"Kinder,Mutter,Vater,Eltern,Familie,Spielplatz|Liebe,Stern,Himmel,Bär,süss,süß|"
            u"Männer,Mann,Junge,Herr,Ehe,###|Sex,Orgasmus,schlafen,###,###,###|"
            u"Versaut,Fotz,fick,bumsen,blasen,Sperma|"
            u"Weihnachten,Nikolaus,Christkind,Krippe,Christbaum,###"_s);
        while (t.anzahl() < KategorieTabelle::maxZeilen)
            QVERIFY(t.kateg_neu(u"n"_s, {}, {}, {}, {}, {}));
        QVERIFY(!t.kateg_neu(u"zu viel"_s, {}, {}, {}, {}, {}));
    }
};

QTEST_GUILESS_MAIN(TestKategorieTabelle)
#include "tst_kategorie_tabelle.moc"
