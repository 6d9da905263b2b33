#include "platzhalter.h"
#include "teilstring.h"

#include <QTest>

using namespace Qt::StringLiterals;

// The matchers work on raw archive bytes; these tests hand them plain
// Windows-1252 text, so scrambling plays no part here.
namespace {
std::string bytes(const char *latin1)
{
    return latin1;
}
} // namespace

class TestPlatzhalter : public QObject {
    Q_OBJECT
private slots:
    void muster_data();
    void muster();
    void offeneKlammerPasstNie();
    void riesigeMusterGegenKurzeZeile();
    void teilstring_data();
    void teilstring();
    void teilstringAnJederStelle();
};

void TestPlatzhalter::muster_data()
{
    QTest::addColumn<QString>("muster");
    QTest::addColumn<QByteArray>("zeile");
    QTest::addColumn<bool>("passt");

    auto zeile = [](const char *text, const QString &muster, bool passt) {
        QTest::addRow("%s ~ %s", qPrintable(muster), text) << muster << QByteArray(text) << passt;
    };
    zeile("abc", u"abc"_s, true);
    zeile("abcd", u"abc"_s, false); // the whole line must be covered
    zeile("Abc", u"abc"_s, false);  // case counts
    zeile("abc", u"a?c"_s, true);
    zeile("ac", u"a?c"_s, false);
    zeile("", u"*"_s, true);
    zeile("", u""_s, true);
    zeile("x", u""_s, false);
    zeile("abc", u"a*"_s, true);
    zeile("abc", u"*c"_s, true);
    zeile("abc", u"*b*"_s, true);
    zeile("abc", u"*d*"_s, false);
    zeile("aXbXc", u"a*b*c"_s, true);
    zeile("abcbc", u"*bc"_s, true);
    zeile("abcbd", u"*bc"_s, false);
    zeile("a1", u"a#"_s, true);
    zeile("ab", u"a#"_s, false);
    zeile("b", u"[abc]"_s, true);
    zeile("d", u"[abc]"_s, false);
    zeile("d", u"[!abc]"_s, true);
    zeile("a", u"[!abc]"_s, false);
    zeile("m", u"[a-z]"_s, true);
    zeile("M", u"[a-z]"_s, false);
    zeile("\xE4", u"[a-\u00FF]"_s, true); // ranges go by character code
    zeile("m", u"[z-a]"_s, false);        // a reversed range is empty
    zeile("-", u"[a-]"_s, true);          // "-" last is itself
    zeile("-", u"[-a]"_s, true);          // "-" first is itself
    zeile("x", u"[]"_s, false);           // an empty list matches nothing
    zeile("x", u"[!]"_s, true);
    zeile("]", u"]"_s, true); // "]" outside a list is itself
    zeile("a*", u"a[*]"_s, true);
    zeile("a?b", u"a[?]b"_s, true);
    zeile("aXb", u"a[?]b"_s, false);
    zeile("\x80", u"€"_s, true);
    zeile("x", u"中"_s, false);
    zeile("aaab", u"*a*a*a*a*a*a*a*a*a*a*a*a*b"_s, false);
    zeile("aaaaaaaaaaaab", u"*a*a*a*a*a*a*a*a*a*a*a*a*b"_s, true);
    zeile("abc", QString(1000, u'*'), true);
    zeile("abc", QString(1000, u'*') + u"c"_s, true);
    zeile("abc", QString(1000, u'?'), false);
    zeile("abc", u"???"_s, true);
}

void TestPlatzhalter::muster()
{
    QFETCH(QString, muster);
    QFETCH(QByteArray, zeile);
    QFETCH(bool, passt);
    const Platzhaltermuster m(muster);
    QCOMPARE(m.passt(std::string_view(zeile.constData(), std::size_t(zeile.size()))), passt);
}

void TestPlatzhalter::offeneKlammerPasstNie()
{
    for (const QString &muster : {u"["_s, u"[!"_s, u"*["_s, u"a[bc"_s}) {
        const Platzhaltermuster m(muster);
        QVERIFY(!m.gueltig());
        QVERIFY(!m.passt(bytes("[")));
        QVERIFY(!m.passt(bytes("a[bc")));
        QVERIFY(!m.passt({}));
    }
}

// A pasted megabyte must give the right answer against every line, whatever
// it is made of.
void TestPlatzhalter::riesigeMusterGegenKurzeZeile()
{
    const qsizetype mb = 1 << 20;
    const std::string zeile(200, 'a');
    QVERIFY(!Platzhaltermuster(QString(mb, u'a')).passt(zeile));
    QVERIFY(Platzhaltermuster(QString(mb, u'*')).passt(zeile));
    QVERIFY(!Platzhaltermuster(QString(mb, u'?')).passt(zeile));
    QVERIFY(!Platzhaltermuster(QString(mb / 2, u'*') + QString(mb / 2, u'a')).passt(zeile));
    QVERIFY(Platzhaltermuster(QString(mb / 2, u'*') + QString(200, u'a')).passt(zeile));

    QVERIFY(!Teilstringsuche(QString(mb, u'a')).enthalten(zeile));
    QVERIFY(Teilstringsuche(QString(200, u'A')).enthalten(zeile));
}

void TestPlatzhalter::teilstring_data()
{
    QTest::addColumn<QString>("muster");
    QTest::addColumn<QByteArray>("zeile");
    QTest::addColumn<bool>("enthalten");
    auto zeile = [](const char *text, const QString &muster, bool enthalten) {
        QTest::addRow("%s in %s", qPrintable(muster), text)
            << muster << QByteArray(text) << enthalten;
    };
    zeile("Hallo Welt", u"welt"_s, true);
    zeile("HALLO", u"hallo"_s, true);
    zeile("Hallo", u"Hallo Welt"_s, false);
    zeile("x", u""_s, true);
    zeile("", u""_s, false);                  // an empty line contains nothing
    zeile("\xC4rger", u"\u00E4RGER"_s, true); // ÄRGER
    zeile("\x8Akoda", u"\u0161KODA"_s, true); // Š / š, beyond ASCII
    zeile("abc", u"中"_s, false);
    zeile("a*b", u"*"_s, true); // no wildcards here
    zeile("ab", u"*"_s, false);
}

void TestPlatzhalter::teilstring()
{
    QFETCH(QString, muster);
    QFETCH(QByteArray, zeile);
    QFETCH(bool, enthalten);
    const Teilstringsuche suche(muster);
    QCOMPARE(suche.enthalten(std::string_view(zeile.constData(), std::size_t(zeile.size()))),
             enthalten);
}

// The search looks at sixteen start positions at a time and finishes the
// rest one by one; a term must be found wherever it stands, in either case,
// and a near miss (first and last character right, middle wrong) never.
void TestPlatzhalter::teilstringAnJederStelle()
{
    const std::string alphabet = "aBcDeFgHiJ\xE4\xC4\xDF";
    for (std::size_t laenge = 1; laenge <= 20; ++laenge) {
        std::string muster;
        for (std::size_t j = 0; j < laenge; ++j)
            muster += alphabet[j % alphabet.size()];
        QString umgedreht = QString::fromLatin1(muster.data(), qsizetype(muster.size()));
        for (QChar &c : umgedreht) // character by character: ß stays one
            c = c.isUpper() ? c.toLower() : c.toUpper();
        const Teilstringsuche suche(umgedreht);
        for (std::size_t zeilenlaenge = laenge; zeilenlaenge <= 50; ++zeilenlaenge) {
            for (std::size_t stelle = 0; stelle + laenge <= zeilenlaenge; ++stelle) {
                std::string zeile(zeilenlaenge, 'z');
                zeile.replace(stelle, laenge, muster);
                QVERIFY2(suche.enthalten(zeile), zeile.c_str());
                if (laenge >= 3) {
                    zeile[stelle + laenge / 2] = 'z';
                    QVERIFY2(!suche.enthalten(zeile), zeile.c_str());
                }
            }
        }
    }
}

QTEST_GUILESS_MAIN(TestPlatzhalter)
#include "tst_platzhalter.moc"
