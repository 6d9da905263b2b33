#include "search/platzhaltermuster.h"
#include "search/teilstringsuche.h"

#include <QTest>

using namespace Qt::StringLiterals;

// The matchers work on raw archive bytes; here they get plain Windows-1252
// text, so scrambling plays no part.
namespace {
std::string_view bytes(const QByteArray &b)
{
    return {b.constData(), std::size_t(b.size())};
}
} // namespace

class TestPlatzhalter : public QObject {
    Q_OBJECT
private slots:
    void muster_data();
    void muster();
    void riesigeMuster();
    void teilstring_data();
    void teilstring();
    void teilstringAnJederStelle();
};

void TestPlatzhalter::muster_data()
{
    QTest::addColumn<QString>("muster");
    QTest::addColumn<QByteArray>("zeile");
    QTest::addColumn<bool>("passt");
    const auto zeile = [](const QString &muster, const char *text, bool passt) {
        QTest::addRow("%s ~ %s", qPrintable(muster), text) << muster << QByteArray(text) << passt;
    };
    zeile(u"abc"_s, "abcd", false); // the whole line must be covered
    zeile(u"abc"_s, "Abc", false);  // case counts
    zeile(u"a?c"_s, "abc", true);
    zeile(u"a?c"_s, "ac", false);
    zeile(u""_s, "", true);
    zeile(u"*"_s, "", true);
    zeile(u"a*b*c"_s, "aXbXc", true);
    zeile(u"*bc"_s, "abcbc", true);
    zeile(u"*bc"_s, "abcbd", false);
    zeile(u"a#"_s, "a1", true);
    zeile(u"a#"_s, "ab", false);
    zeile(u"[abc][!abc]"_s, "bd", true);
    zeile(u"[!abc]"_s, "a", false);
    zeile(u"[a-z]"_s, "M", false);
    zeile(u"[a-\u00FF]"_s, "\xE4", true); // ranges go by character code
    zeile(u"[z-a]"_s, "m", false);        // a reversed range is empty
    zeile(u"[-a][a-]"_s, "--", true);     // "-" first or last is itself
    zeile(u"[]"_s, "x", false);           // an empty list matches nothing
    zeile(u"[!]"_s, "x", true);
    zeile(u"]a[?]"_s, "]a?", true); // "]" outside a list, "?" inside one
    zeile(u"€"_s, "\x80", true);
    zeile(u"中"_s, "x", false);
    zeile(u"["_s, "[", false); // an unclosed "[" matches nothing
    zeile(u"a[bc"_s, "a[bc", false);
    zeile(u"*a*a*a*a*a*a*a*a*a*a*a*a*b"_s, "aaaaaaaaaaaab", true);
    zeile(u"*a*a*a*a*a*a*a*a*a*a*a*a*b"_s, "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaa", false);
    zeile(QString(1000, u'*') + u"c"_s, "abc", true);
    zeile(QString(1000, u'?'), "abc", false);
}

void TestPlatzhalter::muster()
{
    QFETCH(QString, muster);
    QFETCH(QByteArray, zeile);
    QFETCH(bool, passt);
    QCOMPARE(Platzhaltermuster(muster).passt(bytes(zeile)), passt);
}

// A pasted megabyte gives the right answer against a short line.
void TestPlatzhalter::riesigeMuster()
{
    const qsizetype mb = 1 << 20;
    const std::string zeile(200, 'a');
    QVERIFY(!Platzhaltermuster(QString(mb, u'a')).passt(zeile));
    QVERIFY(Platzhaltermuster(QString(mb, u'*')).passt(zeile));
    QVERIFY(!Platzhaltermuster(QString(mb / 2, u'*') + QString(mb / 2, u'a')).passt(zeile));
    QVERIFY(Platzhaltermuster(QString(mb / 2, u'*') + QString(200, u'a')).passt(zeile));
    QVERIFY(!Teilstringsuche(QString(mb, u'a')).enthalten(zeile));
}

void TestPlatzhalter::teilstring_data()
{
    QTest::addColumn<QString>("muster");
    QTest::addColumn<QByteArray>("zeile");
    QTest::addColumn<bool>("enthalten");
    QTest::newRow("Groß/klein egal") << u"WELT"_s << QByteArray("Hallo Welt") << true;
    QTest::newRow("länger als die Zeile") << u"Hallo Welt"_s << QByteArray("Hallo") << false;
    QTest::newRow("leerer Begriff") << u""_s << QByteArray("x") << true;
    QTest::newRow("leere Zeile enthält nichts") << u""_s << QByteArray() << false;
    QTest::newRow("Umlaut") << u"\u00E4RGER"_s << QByteArray("\xC4rger") << true;
    QTest::newRow("Š jenseits von ASCII") << u"\u0161"_s << QByteArray("\x8A") << true;
    QTest::newRow("nicht in Windows-1252") << u"中"_s << QByteArray("abc") << false;
    QTest::newRow("keine Platzhalter") << u"*"_s << QByteArray("ab") << false;
}

void TestPlatzhalter::teilstring()
{
    QFETCH(QString, muster);
    QFETCH(QByteArray, zeile);
    QFETCH(bool, enthalten);
    QCOMPARE(Teilstringsuche(muster).enthalten(bytes(zeile)), enthalten);
}

// The search looks at sixteen start positions at a time and finishes the rest
// one by one: a term in the other case is found wherever it stands, and a near
// miss (first and last character right, middle wrong) never.
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
                QVERIFY(suche.enthalten(zeile));
                if (laenge >= 3) {
                    zeile[stelle + laenge / 2] = 'z';
                    QVERIFY(!suche.enthalten(zeile));
                }
            }
        }
    }
}

QTEST_GUILESS_MAIN(TestPlatzhalter)
#include "tst_platzhalter.moc"
