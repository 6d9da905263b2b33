// The engine's block scan against the plain line-by-line reference: the same
// lines, line numbers and messages, however the reads cut the archive.
#include "search/puffersuche.h"
#include "search/speicher_anzeige.h"
#include "tests/fehlgeraet.h"
#include "tests/referenzsuche.h"
#include "tests/testarchiv.h"

#include <QRandomGenerator>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

using Begriffe = std::array<QString, 6>;

// Runs a pass (one term) or a chain (six) both ways and compares.
void vergleichen(const QByteArray &archiv, const Begriffe &begriffe, bool kette)
{
    for (qint16 bereich = 0; bereich <= 2; ++bereich) {
        Referenzsuche referenz(archiv, bereich);
        kette ? referenz.kette(begriffe) : referenz.suchlauf(begriffe[0]);
        for (const qint64 jeLesen : {qint64(1) << 30, qint64(1), qint64(5), qint64(64)}) {
            Suchmaschine maschine(
                u"sprho.dat"_s, [&] { return std::make_unique<Fehlgeraet>(archiv, -1, jeLesen); });
            maschine.bereichWaehlen(bereich);
            SpeicherAnzeige anzeige;
            const auto ausgang =
                kette ? maschine.kette(begriffe, anzeige) : maschine.suchlauf(begriffe[0], anzeige);
            QCOMPARE(ausgang, Suchmaschine::Ausgang::Erledigt);
            QCOMPARE(anzeige.eintraege(), referenz.eintraege);
            QCOMPARE(anzeige.anzahlMeldung(), referenz.meldung);
            QCOMPARE(maschine.gelisteteZeilen(), referenz.zeilen);
        }
    }
}

} // namespace

class TestPuffersuche : public QObject {
    Q_OBJECT
private slots:
    void wieReferenz_data();
    void wieReferenz();
    void zufallsarchive();
    void paarSuche();
};

void TestPuffersuche::wieReferenz_data()
{
    QTest::addColumn<QByteArray>("archiv");
    QTest::addColumn<QStringList>("begriffe");
    const QStringList gemischt{
        u"# liebe im Kommentar"_s, u"Liebe ist schön"_s, u"[liebe"_s, u"]Liebe"_s, u""_s,
        u"ich LIEBE dich"_s};
    QTest::newRow("Teilstring, Kommentar, Listen") << gepackt(gemischt) << QStringList{u"liebe"_s};
    QTest::newRow("nur CR") << gepackt(gemischt, "\r") << QStringList{u"liebe"_s};
    QTest::newRow("ohne letztes Zeilenende")
        << gepackt(gemischt).chopped(2) << QStringList{u"dich"_s};
    // Raw bytes: the pair "ab" stands across a line end, and after an LF.
    QTest::newRow("Paar über das Zeilenende")
        << QByteArray("xa\r\nbx\r\nab\r\n") << QStringList{u"ab"_s};
    QTest::newRow("LF vorn im Begriff")
        << QByteArray("a\r\nb\r\na\nb\r\n") << QStringList{u"\nb"_s};
    QTest::newRow("leerer Begriff") << gepackt(gemischt) << QStringList{u""_s};
    QTest::newRow("Muster ohne festes Zeichen") << gepackt(gemischt) << QStringList{u"?*"_s};
    QTest::newRow("Muster mit Anfang und Ende")
        << gepackt({u"Liebe ist schön"_s, u"Liebe ist kalt"_s, u"Liebe"_s})
        << QStringList{u"Liebe*n"_s, u"*ist*"_s, u"L[a-z]ebe"_s};
    QStringList viele;
    for (int i = 0; i < 450; ++i)
        viele << u"Treffer %1 %2"_s.arg(i).arg(i % 3 ? u"Mutter"_s : u"Vater"_s);
    QTest::newRow("Grenze von 100 und Kette")
        << gepackt(viele) << QStringList{u"treffer 1"_s, u"mutter"_s, u"vater"_s, u"###"_s};
    QTest::newRow("Begriff länger als jede Zeile")
        << gepackt(gemischt) << QStringList{QString(300, u'x')};
}

void TestPuffersuche::wieReferenz()
{
    QFETCH(QByteArray, archiv);
    QFETCH(QStringList, begriffe);
    Begriffe sechs;
    sechs.fill(u"###"_s);
    std::copy(begriffe.begin(), begriffe.end(), sechs.begin());
    vergleichen(archiv, sechs, false);
    vergleichen(archiv, sechs, true);
}

// Small archives of a few bytes that mean something to the scan: both cases
// of paired letters, markers, wildcards, both line ends.
void TestPuffersuche::zufallsarchive()
{
    const QByteArray zeichen = "aAbNe#[]*? \r\n\rx";
    QRandomGenerator zufall(4711);
    const auto text = [&](int laenge) {
        QByteArray t;
        for (int i = 0; i < laenge; ++i)
            t += zeichen[zufall.bounded(zeichen.size())];
        return t;
    };
    for (int fall = 0; fall < 300; ++fall) {
        const QByteArray archiv = text(zufall.bounded(200));
        Begriffe begriffe;
        for (QString &begriff : begriffe)
            begriff = QString::fromLatin1(text(zufall.bounded(4)).replace('\r', 'x'));
        vergleichen(archiv, begriffe, fall % 2);
        if (QTest::currentTestFailed())
            qFatal("Fall %d: %s", fall, archiv.toPercentEncoding().constData());
    }
}

// Every place the vector paths report, and none they skip.
void TestPuffersuche::paarSuche()
{
    QRandomGenerator zufall(1);
    for (int fall = 0; fall < 200; ++fall) {
        QByteArray block(zufall.bounded(300), 'x');
        for (char &c : block)
            c = "abcAB"[zufall.bounded(5)];
        const std::vector<Bytepaar> paare{{{'a', 'A'}, {'b', 'B'}, std::size_t(zufall.bounded(40))},
                                          {{'c', 'c'}, {'c', 'c'}, 0}};
        const std::string_view sicht(block.constData(), std::size_t(block.size()));
        std::size_t von = 0;
        for (std::size_t i = 0; i < sicht.size(); ++i) {
            bool passt = false;
            for (const Bytepaar &p : paare) {
                passt |= i + p.abstand < sicht.size() &&
                         (sicht[i] == char(p.vorn[0]) || sicht[i] == char(p.vorn[1])) &&
                         (sicht[i + p.abstand] == char(p.hinten[0]) ||
                          sicht[i + p.abstand] == char(p.hinten[1]));
            }
            if (passt) {
                QCOMPARE(naechstesPaar(sicht, von, paare), i);
                von = i + 1;
            }
        }
        QCOMPARE(naechstesPaar(sicht, von, paare), sicht.size());
    }
}

QTEST_GUILESS_MAIN(TestPuffersuche)
#include "tst_puffersuche.moc"
