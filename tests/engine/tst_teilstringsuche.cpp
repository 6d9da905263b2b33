#include "archive/zeichen_tausch.h"
#include "search/teilstringsuche.h"
#include "tests/referenzsuche.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestTeilstringsuche : public QObject {
    Q_OBJECT
private slots:
    // Term and line as a user reads them; both are scrambled, as the search compares them. The
    // line holds the term, case ignored.
    void enthalten_data()
    {
        QTest::addColumn<QString>("begriff");
        QTest::addColumn<QString>("zeile");
        QTest::addColumn<bool>("enthalten");
        QTest::newRow("jenseits von ASCII") << u"\u0161\u0152"_s << u"\u0160\u0153"_s << true;
        QTest::newRow("leere Zeile") << u""_s << u""_s << false;
        QTest::newRow("jenseits von Windows-1252") << u"中"_s << u"x"_s << false;
        QTest::newRow("Platzhalter wörtlich") << u"a[bc"_s << u"xa[bc"_s << true;
        // The codec's pairs x <-> Y, X <-> 6, y <-> 5, Q <-> § and the space <-> ÿ: compared
        // scrambled and case-blind, x and 5, Y and 6, q and §, and a space and Ÿ fall together,
        // while Q and q part.
        QTest::newRow("Tauschpaare") << u"xYq\u0178"_s << u"56\u00A7 "_s << true;
        QTest::newRow("Q ist nicht q") << u"Q"_s << u"q"_s << false;
    }

    void enthalten()
    {
        QFETCH(QString, begriff);
        QFETCH(QString, zeile);
        QFETCH(bool, enthalten);
        QByteArray roh;
        QVERIFY(!archivzeile(zeile, roh));
        const Teilstringsuche suche(zeichen_tausch(begriff));
        QCOMPARE(suche.enthalten({roh.constData(), std::size_t(roh.size())}), enthalten);
        QCOMPARE(referenz::enthalten(begriff, roh), enthalten);
    }

    // Sixteen start positions at a time, the rest one by one: a term in the other case is found
    // wherever it stands, a near miss (first and last character right, middle wrong) never.
    void anJederStelle()
    {
        const std::string alphabet = "aBcDeFgHiJ\xE4\xC4\xDFkLmNoPqRs";
        for (std::size_t laenge = 1; laenge <= alphabet.size(); ++laenge) {
            const std::string muster = alphabet.substr(0, laenge);
            QString umgedreht = QString::fromLatin1(muster.data(), qsizetype(muster.size()));
            for (QChar &c : umgedreht) // character by character: ß stays one
                c = c.isUpper() ? c.toLower() : c.toUpper();
            const Teilstringsuche suche(umgedreht);
            for (std::size_t zeilenlaenge = laenge; zeilenlaenge <= 50; ++zeilenlaenge) {
                for (std::size_t stelle = 0; stelle + laenge <= zeilenlaenge; ++stelle) {
                    std::string zeile(zeilenlaenge, 'z');
                    zeile.replace(stelle, laenge, muster);
                    QVERIFY(suche.enthalten(zeile));
                    if (laenge >= 3) {
                        zeile[stelle + laenge / 2] = 'z';
                        QVERIFY(!suche.enthalten(zeile));
                    }
                }
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestTeilstringsuche)
#include "tst_teilstringsuche.moc"
