#include "search/meldungen.h"
#include "search/speicher_anzeige.h"
#include "search/suchmaschine.h"
#include "tests/engine/testarchiv.h"
#include "tests/fehlgeraet.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QStringList lauf(Suchmaschine &maschine, const QString &begriff, int bereich = 0)
{
    maschine.bereichWaehlen(static_cast<qint16>(bereich));
    SpeicherAnzeige anzeige;
    if (maschine.suchlauf(begriff, anzeige) != Suchmaschine::Ausgang::Erledigt)
        return {u"<Fehler>"_s};
    if (anzeige.anzahlMeldung() != meldungen::anzahl(anzeige.eintraege().size()))
        return {u"<falsche Meldung>"_s};
    return anzeige.eintraege();
}

} // namespace

class TestSuchlauf : public QObject {
    Q_OBJECT
private slots:
    void treffer_data();
    void treffer();
    void rohesArchiv_data();
    void rohesArchiv();
    void alltagswoerterInJederSchreibweise();
    void hundertTrefferInDateireihenfolge();
    void zeilennummernOhneGrenze();
    void archivFehltOderWechselt();
    void leseFehler_data();
    void leseFehler();
    void anzahlMeldung();
};

// What a pass lists from a small archive of readable lines.
void TestSuchlauf::treffer_data()
{
    QTest::addColumn<QStringList>("archiv");
    QTest::addColumn<QString>("begriff");
    QTest::addColumn<int>("bereich");
    QTest::addColumn<QStringList>("gelistet");

    const QStringList gemischt{u"# Liebe im Kommentar"_s, u"Liebe ist schön"_s,
                               u"Ich hab dich lieb"_s,    u"[Liebe in Bereich 1"_s,
                               u"]Liebe in Bereich 2"_s,  u""_s,
                               u"  Liebe mit Rand  "_s,   u"[Anmache"_s};
    QTest::newRow("Teilwort, Rand bleibt, Kommentar und Listen nie")
        << gemischt << u"  lieb "_s << 0
        << QStringList{u"  Liebe mit Rand  "_s, u"Ich hab dich lieb"_s, u"Liebe ist schön"_s};
    QTest::newRow("leerer Begriff: alle Haupteinträge, auch leere")
        << gemischt << u""_s << 0
        << QStringList{u""_s, u"  Liebe mit Rand  "_s, u"Ich hab dich lieb"_s,
                       u"Liebe ist schön"_s};
    QTest::newRow("Bereich 1: alle, ohne Marker, Begriff egal")
        << gemischt << u"nichts"_s << 1 << QStringList{u"Anmache"_s, u"Liebe in Bereich 1"_s};
    QTest::newRow("Bereich 2") << gemischt << u""_s << 2 << QStringList{u"Liebe in Bereich 2"_s};
    QTest::newRow("Wort mit Stern: Anfang in dieser Schreibweise, dazu Teilstring")
        << QStringList{u"Liebe ist"_s, u"liebe ist"_s, u"Die Liebe"_s, u"eine liebe* ja"_s}
        << u"Liebe*"_s << 0 << QStringList{u"eine liebe* ja"_s, u"Liebe ist"_s};
    QTest::newRow("offene Klammer: der Teilstring findet trotzdem")
        << QStringList{u"a[!b steht da"_s, u"ab"_s} << u"a[!b"_s << 0
        << QStringList{u"a[!b steht da"_s};
    QTest::newRow("Raute prüft die verschlüsselte Zeile")
        << QStringList{u"Zimmer 1"_s, u"Zimmer a"_s, u"Zimmer 5"_s} << u"Zimmer #"_s << 0
        << QStringList{u"Zimmer 1"_s};
    QTest::newRow("Umlaute ohne Rücksicht auf Groß/klein")
        << QStringList{u"ÄRGER im Büro"_s, u"arger"_s} << u"ärger"_s << 0
        << QStringList{u"ÄRGER im Büro"_s};
    QTest::newRow("Tabulator gehört zum Begriff")
        << QStringList{u"a\tb"_s, u"a b"_s} << u"\ta\tb"_s << 0 << QStringList{};
    QTest::newRow("Sonderzeichen der Paare") << QStringList{u"Quiz für § 5"_s, u"Xylophon yes"_s}
                                             << u"§ 5"_s << 0 << QStringList{u"Quiz für § 5"_s};
    QTest::newRow("tausend Sterne")
        << QStringList{u"eins"_s, u"#zwei"_s} << QString(1000, u'*') << 0 << QStringList{u"eins"_s};
    QTest::newRow("ein Megabyte") << QStringList{u"xx"_s} << QString(1 << 20, u'x') << 0
                                  << QStringList{};
}

void TestSuchlauf::treffer()
{
    QFETCH(QStringList, archiv);
    QFETCH(QString, begriff);
    QFETCH(int, bereich);
    QFETCH(QStringList, gelistet);
    Testarchiv datei;
    datei.schreiben(archiv);
    Suchmaschine maschine(datei.pfad());
    QCOMPARE(lauf(maschine, begriff, bereich), gelistet);
}

// Archives no keeper should write; the pass still reads them to the end. The
// bytes are raw, that is scrambled: "R" reads as "a", "nEdN" as "Ende".
void TestSuchlauf::rohesArchiv_data()
{
    QTest::addColumn<QByteArray>("archiv");
    QTest::addColumn<QString>("begriff");
    QTest::addColumn<QStringList>("gelistet");
    QTest::newRow("leer") << QByteArray() << u""_s << QStringList{};
    QTest::newRow("NUL-Bytes") << QByteArray("R\0b\r\n", 5) << u"b"_s
                               << QStringList{QString::fromLatin1("a\0b", 3)};
    QTest::newRow("undefinierte Bytes")
        << QByteArray("Y\x81\r\n") << u"x"_s << QStringList{u"x\u0081"_s};
    // A listed text pasted into the search box finds its line, by either test.
    const QByteArray undefiniert("Y\x81\r\nY\x8D\r\nY\r\n");
    QTest::newRow("undefiniertes Zeichen im Begriff")
        << undefiniert << u"x\u0081"_s << QStringList{u"x\u0081"_s};
    QTest::newRow("undefiniertes Zeichen nach Stern")
        << undefiniert << u"*\u0081"_s << QStringList{u"x\u0081"_s};
    QTest::newRow("undefinierte Zeichen in Klammern")
        << undefiniert << u"?[\u0081\u008D]"_s << QStringList{u"x\u0081"_s, u"x\u008D"_s};
    QTest::newRow("nur LF: eine Zeile")
        << QByteArray("rll\nbNTdN\n") << u"beide"_s << QStringList{u"All\nbeide\n"_s};
    QTest::newRow("50 MB ohne Zeilenende") << QByteArray(50 << 20, 'q') + "nEdN" << u"qende"_s
                                           << QStringList{QString(50 << 20, u'q') + u"Ende"_s};
    QByteArray million;
    for (int i = 0; i < 1'000'000; ++i)
        million += "#\r\n";
    QTest::newRow("eine Million Zeilen") << million + "ZTNl" << u"ziel"_s << QStringList{u"Ziel"_s};
}

void TestSuchlauf::rohesArchiv()
{
    QFETCH(QByteArray, archiv);
    QFETCH(QString, begriff);
    QFETCH(QStringList, gelistet);
    Testarchiv datei;
    datei.schreibenRoh(archiv);
    Suchmaschine maschine(datei.pfad());
    QCOMPARE(lauf(maschine, begriff), gelistet);
}

// The codec's pairs must not cost everyday words their case-insensitivity.
// Only x, y and Q are told apart from their other case (the price of the
// pairs); words with them, and with ß (capital SS), are left out here.
void TestSuchlauf::alltagswoerterInJederSchreibweise()
{
    const QStringList woerter{u"Liebe"_s,      u"Herz"_s,       u"Kuss"_s,   u"Freundin"_s,
                              u"Geburtstag"_s, u"Schatz"_s,     u"Ehe"_s,    u"Weihnachten"_s,
                              u"Nikolaus"_s,   u"Männer"_s,     u"süss"_s,   u"Bär"_s,
                              u"Mädchen"_s,    u"Bier"_s,       u"Junge"_s,  u"Vater"_s,
                              u"Zeit"_s,       u"jetzt"_s,      u"Glück"_s,  u"Übermorgen"_s,
                              u"Öl"_s,         u"Christkind"_s, u"Arbeit"_s, u"Familie"_s};
    Testarchiv datei;
    for (const QString &wort : woerter) {
        QString gemischt = wort;
        for (qsizetype i = 0; i < gemischt.size(); i += 2)
            gemischt[i] = gemischt[i].isUpper() ? gemischt[i].toLower() : gemischt[i].toUpper();
        const QStringList formen{wort, wort.toLower(), wort.toUpper(), gemischt};
        datei.schreiben(formen);
        Suchmaschine maschine(datei.pfad());
        for (const QString &begriff : formen)
            QVERIFY2(lauf(maschine, begriff).size() == formen.size(), qPrintable(begriff));
    }
}

void TestSuchlauf::hundertTrefferInDateireihenfolge()
{
    // 150 hits whose numbers sort against file order: the first 100 of the
    // file are kept, not the first 100 of the sorted list.
    QStringList zeilen;
    for (int i = 150; i >= 1; --i)
        zeilen << u"Treffer %1"_s.arg(i, 3, 10, QLatin1Char('0'));
    Testarchiv datei;
    datei.schreiben(zeilen);
    Suchmaschine maschine(datei.pfad());
    SpeicherAnzeige anzeige;
    QCOMPARE(maschine.suchlauf(u"  treffer "_s, anzeige), Suchmaschine::Ausgang::Erledigt);
    QCOMPARE(anzeige.eintraege().size(), 100);
    QCOMPARE(anzeige.eintraege().first(), u"Treffer 051"_s);
    QCOMPARE(anzeige.anzahlMeldung(), u"100 gefundene Einträge!"_s);
    QCOMPARE(maschine.gelisteteZeilen().size(), 100);
    QVERIFY(maschine.gelisteteZeilen().contains(100) && !maschine.gelisteteZeilen().contains(101));
    QCOMPARE(maschine.begriff(), u"treffer"_s);
}

// Line numbers never wrap: a line past 65536 is not taken for an early one.
void TestSuchlauf::zeilennummernOhneGrenze()
{
    QStringList zeilen(65537, u"#"_s);
    zeilen.first() = zeilen.last() = u"Ziel"_s;
    Testarchiv datei;
    datei.schreiben(zeilen);
    Suchmaschine maschine(datei.pfad());
    QCOMPARE(lauf(maschine, u"ziel"_s), (QStringList{u"Ziel"_s, u"Ziel"_s}));
    QCOMPARE(maschine.gelisteteZeilen(), (QSet<qint64>{1, 65537}));
}

void TestSuchlauf::archivFehltOderWechselt()
{
    Testarchiv datei;
    Suchmaschine maschine(datei.pfad());
    SpeicherAnzeige anzeige;
    anzeige.anzahlSetzen(u"vorher"_s);
    for (int bereich : {0, 1}) {
        maschine.bereichWaehlen(static_cast<qint16>(bereich));
        QCOMPARE(maschine.suchlauf(u"x"_s, anzeige), Suchmaschine::Ausgang::Fehler);
        QCOMPARE(anzeige.anzahlMeldung(), u"vorher"_s);
    }
    QVERIFY(QDir().mkdir(datei.pfad())); // a folder named sprho.dat
    QCOMPARE(lauf(maschine, u""_s), QStringList{u"<Fehler>"_s});
    QVERIFY(QDir().rmdir(datei.pfad()));

    // Nothing is cached: the next pass reads whatever the file holds now.
    datei.schreiben({u"alt"_s});
    QCOMPARE(lauf(maschine, u""_s), QStringList{u"alt"_s});
    datei.schreiben({u"neu"_s});
    QCOMPARE(lauf(maschine, u""_s), QStringList{u"neu"_s});
}

// A read that fails anywhere fails the pass: nothing read so far is listed,
// the count message stays, whichever area is searched.
void TestSuchlauf::leseFehler_data()
{
    QTest::addColumn<QByteArray>("daten");
    QTest::addColumn<qint64>("fehlerAb");
    QTest::addColumn<int>("bereich");
    const QByteArray daten = dreiBloeckeArchiv();
    for (const auto &[name, stelle] : fehlerstellen(daten)) {
        for (int bereich : {0, 1})
            QTest::addRow("%s, Bereich %d", name, bereich) << daten << stelle << bereich;
    }
}

void TestSuchlauf::leseFehler()
{
    QFETCH(QByteArray, daten);
    QFETCH(qint64, fehlerAb);
    QFETCH(int, bereich);
    Suchmaschine maschine(u"sprho.dat"_s,
                          [&] { return std::make_unique<Fehlgeraet>(daten, fehlerAb); });
    maschine.bereichWaehlen(qint16(bereich));
    SpeicherAnzeige anzeige;
    anzeige.anzahlSetzen(u"vorher"_s);
    QCOMPARE(maschine.suchlauf(u""_s, anzeige), Suchmaschine::Ausgang::Fehler);
    QCOMPARE(anzeige.eintraege(), QStringList());
    QCOMPARE(anzeige.anzahlMeldung(), u"vorher"_s);
    QCOMPARE(maschine.fehler(), u"Eingabe-/Ausgabefehler"_s);
}

void TestSuchlauf::anzahlMeldung()
{
    QCOMPARE(meldungen::anzahl(0), u"Keine Einträge gefunden!"_s);
    QCOMPARE(meldungen::anzahl(1), u"Ein Eintrag gefunden!"_s);
    QCOMPARE(meldungen::anzahl(37), u"37 gefundene Einträge!"_s);
}

QTEST_GUILESS_MAIN(TestSuchlauf)
#include "tst_suchlauf.moc"
