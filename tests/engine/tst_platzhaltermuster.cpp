#include "search/platzhaltermuster.h"
#include "search/teilstringsuche.h"

#include <QTest>

using namespace Qt::StringLiterals;

// The line tests take raw archive bytes; here plain Windows-1252 text, so scrambling plays no part.
namespace {
std::string_view bytes(const QByteArray &b)
{
    return {b.constData(), std::size_t(b.size())};
}
} // namespace

class TestPlatzhaltermuster : public QObject {
    Q_OBJECT
private slots:
    // passt: the pattern covers the whole line, case counting (fuzz_platzhalter checks it against a
    // matcher of its own); enthalten: the line holds the term as it stands, case ignored.
    void muster_data()
    {
        QTest::addColumn<QString>("muster");
        QTest::addColumn<QByteArray>("zeile");
        QTest::addColumn<bool>("passt");
        QTest::addColumn<bool>("enthalten");
        const auto zeile = [](const QString &muster, const char *text, bool passt, bool enthalten) {
            QTest::addRow("%s ~ %s", qPrintable(muster.left(30)), text)
                << muster << QByteArray(text) << passt << enthalten;
        };
        zeile(u"abc"_s, "abcd", false, true);
        zeile(u"WELT"_s, "Hallo Welt", false, true);
        zeile(u"\u00E4RGER"_s, "\xC4rger", false, true);
        zeile(u"\u0161"_s, "\x8A", false, true); // š and Š, beyond ASCII
        zeile(u""_s, "", true, false);           // an empty line contains nothing
        zeile(u""_s, "x", false, true);
        zeile(u"*"_s, "ab", true, false);
        zeile(u"abc"_s, "abXabczzzzzzzzzzzzzz", false, true); // near miss and hit in one step of 16
        zeile(u"€"_s, "\x80", true, true);
        zeile(u"中"_s, "x", false, false);     // beyond Windows-1252, out of the fuzzer's reach
        zeile(u"a[bc"_s, "a[bc", false, true); // an unclosed "[" matches nothing
        // Backtracking only to the last star: a quick no.
        zeile(u"*a*a*a*a*a*a*a*a*a*a*a*a*b"_s, "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaa", false, false);
    }

    void muster()
    {
        QFETCH(QString, muster);
        QFETCH(QByteArray, zeile);
        QFETCH(bool, passt);
        QFETCH(bool, enthalten);
        QCOMPARE(Platzhaltermuster(muster).passt(bytes(zeile)), passt);
        QCOMPARE(Teilstringsuche(muster).enthalten(bytes(zeile)), enthalten);
    }

    // Sixteen start positions at a time, the rest one by one: a term in the other case is found
    // wherever it stands, a near miss (first and last character right, middle wrong) never.
    void teilstringAnJederStelle()
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
};

QTEST_GUILESS_MAIN(TestPlatzhaltermuster)
#include "tst_platzhaltermuster.moc"
