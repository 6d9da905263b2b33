// What a search pass and a category's chain of passes list, and what they leave behind.
#include "search/meldungen.h"
#include "search/speicher_anzeige.h"
#include "search/suchmaschine.h"
#include "tests/testarchiv.h"

#include <QTest>

using namespace Qt::StringLiterals;
using Ausgang = Suchmaschine::Ausgang;

namespace {

Suchmaschine imSpeicher(const QByteArray &archiv)
{
    return Suchmaschine(u"sprho.dat"_s,
                        [archiv] { return std::make_unique<Fehlgeraet>(archiv, -1); });
}

// The list of one pass, or why it is not to be trusted.
QStringList lauf(Suchmaschine &maschine, const QString &begriff)
{
    SpeicherAnzeige anzeige;
    if (maschine.suchlauf(begriff, anzeige) != Ausgang::Erledigt)
        return {u"<Fehler>"_s};
    if (anzeige.anzahlMeldung() != meldungen::anzahl(anzeige.eintraege().size()))
        return {u"<falsche Meldung>"_s};
    return anzeige.eintraege();
}

QStringList zeilen(const QString &wort, int anzahl)
{
    QStringList ergebnis;
    for (int i = 1; i <= anzahl; ++i)
        ergebnis << u"%1 %2"_s.arg(wort).arg(i, 3, 10, QLatin1Char('0'));
    return ergebnis;
}

// Every pass adds its entries to the list once, even none.
struct LaufZaehler : SpeicherAnzeige {
    void ergebnisseHinzufuegen(const QStringList &texte) override
    {
        ++laeufe;
        SpeicherAnzeige::ergebnisseHinzufuegen(texte);
    }
    int laeufe = 0;
};

} // namespace

class TestSuchmaschine : public QObject {
    Q_OBJECT
private slots:
    void treffer_data()
    {
        QTest::addColumn<QByteArray>("archiv");
        QTest::addColumn<QString>("begriff");
        QTest::addColumn<QStringList>("gelistet");
        // A listed text pasted into the search box finds its line, by either test. The bytes are
        // raw, that is scrambled: "Y" reads as "x".
        const QByteArray undefiniert("Y\x81\r\nY\x8D\r\nY\r\n");
        QTest::newRow("undefiniertes Zeichen im Begriff")
            << undefiniert << u"x\u0081"_s << QStringList{u"x\u0081"_s};
        QTest::newRow("undefiniertes Zeichen nach Stern")
            << undefiniert << u"*\u0081"_s << QStringList{u"x\u0081"_s};
        QTest::newRow("undefinierte Zeichen in Klammern")
            << undefiniert << u"?[\u0081\u008D]"_s << QStringList{u"x\u0081"_s, u"x\u008D"_s};
    }

    void treffer()
    {
        QFETCH(QByteArray, archiv);
        QFETCH(QString, begriff);
        QFETCH(QStringList, gelistet);
        Suchmaschine maschine = imSpeicher(archiv);
        QCOMPARE(lauf(maschine, begriff), gelistet);
    }

    // A read that fails anywhere fails the pass: nothing read so far is listed, the count message
    // stays, whichever area is searched.
    void leseFehler()
    {
        const QByteArray daten = dreiBloeckeArchiv();
        for (const auto &stelle : fehlerstellen(daten)) {
            for (const qint16 bereich : {qint16(0), qint16(1)}) {
                Suchmaschine maschine(u"sprho.dat"_s, [&] {
                    return std::make_unique<Fehlgeraet>(daten, stelle.second);
                });
                maschine.bereichWaehlen(bereich);
                SpeicherAnzeige anzeige;
                anzeige.anzahlSetzen(u"vorher"_s);
                QVERIFY2(maschine.suchlauf(u""_s, anzeige) == Ausgang::Fehler &&
                             anzeige.eintraege().isEmpty() &&
                             anzeige.anzahlMeldung() == u"vorher"_s &&
                             maschine.fehler() == u"Eingabe-/Ausgabefehler"_s,
                         stelle.first);
            }
        }
        // An archive that cannot be opened fails the pass too, with the reason.
        Suchmaschine fehlt(u"fehlt/sprho.dat"_s);
        QCOMPARE(lauf(fehlt, u"x"_s), QStringList{u"<Fehler>"_s});
        QVERIFY(!fehlt.fehler().isEmpty());
    }

    // Which passes a chain runs and where it stops, on archives where each term finds known lines.
    void kette_data()
    {
        QTest::addColumn<QString>("kategorie");
        QTest::addColumn<QStringList>("archiv");
        QTest::addColumn<int>("bereich");
        QTest::addColumn<int>("laeufe");
        QTest::addColumn<int>("eintraege");
        QTest::newRow("wenige Treffer: sechs Läufe")
            << u"Kinder"_s << zeilen(u"Kinder"_s, 3) + zeilen(u"Spielplatz"_s, 2) << 0 << 6 << 5;
        QTest::newRow("100 nach dem Namen: kein Schlagwort mehr")
            << u"Kinder"_s << zeilen(u"Kinder"_s, 120) + zeilen(u"Mutter"_s, 5) << 0 << 1 << 100;
        QTest::newRow("99 nach zwei, 100 neue im dritten: 199")
            << u"Kinder"_s
            << zeilen(u"Kinder"_s, 50) + zeilen(u"Mutter"_s, 49) + zeilen(u"Vater"_s, 150) << 0 << 3
            << 199;
        QTest::newRow("Sex: die letzten drei Läufe mit ###")
            << u"Sex"_s << zeilen(u"schlafen"_s, 2) << 0 << 6 << 2;
        // Line numbers never wrap: a line past 65536 is not taken for an early one.
        QTest::newRow("Zeilennummern über 65536")
            << u"Liebe"_s
            << QStringList{u"Liebe"_s} + QStringList(65535, u"#"_s) + QStringList{u"Liebe"_s} << 0
            << 6 << 2;
        QTest::newRow("unbekannter Name: Liste leer, kein Lauf")
            << u""_s << zeilen(u"x"_s, 2) << 0 << 0 << 0;
        // In a list-only area each pass lists the whole area again, up to 100 entries.
        QTest::newRow("Listenbereich: 50 je Lauf, zwei Läufe")
            << u"Kinder"_s << QStringList(50, u"[x"_s) << 1 << 2 << 100;
    }

    void kette()
    {
        QFETCH(QString, kategorie);
        QFETCH(QStringList, archiv);
        QFETCH(int, bereich);
        QFETCH(int, laeufe);
        QFETCH(int, eintraege);
        Suchmaschine maschine = imSpeicher(gepackt(archiv + QStringList{u"Apfel"_s}));
        maschine.kateg_laden();
        maschine.bereichWaehlen(qint16(bereich));
        LaufZaehler anzeige;
        QCOMPARE(maschine.suchlauf(u"apfel"_s, anzeige), Ausgang::Erledigt);
        QCOMPARE(maschine.kategoriesuche(kategorie, anzeige, [] { return false; }),
                 Ausgang::Erledigt);
        QCOMPARE(anzeige.laeufe - 1, laeufe);
        QCOMPARE(anzeige.eintraege().size(), eintraege);
        // Without a pass the old count message stays.
        QCOMPARE(anzeige.anzahlMeldung(), meldungen::anzahl(laeufe ? eintraege : 1));
    }
};

QTEST_GUILESS_MAIN(TestSuchmaschine)
#include "tst_suchmaschine.moc"
