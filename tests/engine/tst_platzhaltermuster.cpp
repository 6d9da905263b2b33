#include "search/platzhaltermuster.h"

#include <QTest>

using namespace Qt::StringLiterals;

// The matcher takes raw archive bytes; here plain Windows-1252 text, so scrambling plays no part.
class TestPlatzhaltermuster : public QObject {
    Q_OBJECT
private slots:
    // The pattern covers the whole line, case counting. fuzz_platzhalter checks any pattern against
    // a matcher of its own; these rows are what a user meets first.
    void muster_data()
    {
        QTest::addColumn<QString>("muster");
        QTest::addColumn<QByteArray>("zeile");
        QTest::addColumn<bool>("passt");
        const auto zeile = [](const QString &muster, const char *text, bool passt) {
            QTest::addRow("%s ~ %s", qPrintable(muster.left(30)), text)
                << muster << QByteArray(text) << passt;
        };
        zeile(u"abc"_s, "abcd", false);
        zeile(u""_s, "", true);
        zeile(u"*"_s, "ab", true);
        zeile(u"a**c"_s, "abbc", true);      // a run of stars is one star
        zeile(u"*a"_s, "ab", false);         // the last piece stands at the end
        zeile(u"a*b*[c]*d"_s, "abcd", true); // middle pieces fit up to the last one
        zeile(u"中"_s, "x", false);          // beyond Windows-1252
        zeile(u"a[bc"_s, "a[bc", false);     // an unclosed "[" matches nothing
        // Ranges hold both their ends; "#" is a digit, any digit.
        zeile(u"[a-c]"_s, "a", true);
        zeile(u"[a-c]"_s, "b", true);
        zeile(u"[a-c]"_s, "c", true);
        zeile(u"[a-c]"_s, "d", false);
        zeile(u"[z-a]"_s, "m", false); // a reversed range is empty
        zeile(u"##"_s, "09", true);
        zeile(u"#"_s, "a", false);
        // "!" first negates; the list starts right after "[", whatever stands before it.
        zeile(u"[!a-c]"_s, "d", true);
        zeile(u"x[!x]"_s, "xy", true);
        zeile(u"x[!x]"_s, "xx", false);
        zeile(u"[!]"_s, "q", true);
        zeile(u"[!a]"_s, "!", true);        // the "!" that negates is not in the list
        zeile(u"[!a]"_s, "[", true);        // nor is the "[" that opens it
        zeile(u"[a-]?[-z]"_s, "-?-", true); // "-" first or last is itself
        zeile(u"[#]"_s, "#", true);         // in a list, "#" is itself
        // Backtracking only to the last star: a quick no.
        zeile(u"*a*a*a*a*a*a*a*a*a*a*a*a*b"_s, "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaa", false);
    }

    void muster()
    {
        QFETCH(QString, muster);
        QFETCH(QByteArray, zeile);
        QFETCH(bool, passt);
        QCOMPARE(Platzhaltermuster(muster).passt({zeile.constData(), std::size_t(zeile.size())}),
                 passt);
    }
};

QTEST_GUILESS_MAIN(TestPlatzhaltermuster)
#include "tst_platzhaltermuster.moc"
