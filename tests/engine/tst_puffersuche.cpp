// The engine's block scan against the plain line-by-line reference: the same lines, line numbers
// and messages, however the reads cut the archive.
#include "search/speicher_anzeige.h"
#include "tests/referenzsuche.h"
#include "tests/testarchiv.h"

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
    void wieReferenz_data()
    {
        QTest::addColumn<QByteArray>("archiv");
        QTest::addColumn<QStringList>("begriffe");
        const QStringList gemischt{
            u"# liebe im Kommentar"_s, u"Liebe ist schön"_s, u"[liebe"_s, u"]Liebe"_s, u""_s,
            u"ich LIEBE dich"_s};
        QTest::newRow("Teilstring, Kommentar, Listen")
            << gepackt(gemischt) << QStringList{u"liebe"_s};
        QTest::newRow("nur CR, ohne letztes Zeilenende")
            << gepackt(gemischt).replace("\r\n", "\r").chopped(1) << QStringList{u"liebe"_s};
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
        QTest::newRow("Liste von 50: die Kette endet nach zwei Läufen")
            << gepackt(QStringList(50, u"[x"_s)) << QStringList{u"x"_s};
        QTest::newRow("Begriff länger als jede Zeile")
            << gepackt(gemischt) << QStringList{QString(300, u'x')};
    }

    void wieReferenz()
    {
        QFETCH(QByteArray, archiv);
        QFETCH(QStringList, begriffe);
        Begriffe sechs;
        sechs.fill(u"###"_s);
        std::copy(begriffe.begin(), begriffe.end(), sechs.begin());
        vergleichen(archiv, sechs, false);
        vergleichen(archiv, sechs, true);
    }
};

QTEST_GUILESS_MAIN(TestPuffersuche)
#include "tst_puffersuche.moc"
