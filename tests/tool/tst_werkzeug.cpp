#include "tests/fehlgeraet.h"
#include "tools/werkzeug.h"

#include <QBuffer>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

struct Lauf {
    int status = -1;
    QByteArray aus;
    QString fehler;
};

// One in-process run of sprho-archiv with its streams in memory.
Lauf ausfuehren(const QStringList &argumente, QByteArray eingabe = {}, bool terminal = false,
                Suchmaschine::Geraeteoeffner archiv = {})
{
    Lauf lauf;
    QByteArray fehler;
    QBuffer ein(&eingabe);
    QBuffer aus(&lauf.aus);
    QBuffer fehlerGeraet(&fehler);
    ein.open(QIODevice::ReadOnly);
    aus.open(QIODevice::WriteOnly);
    fehlerGeraet.open(QIODevice::WriteOnly);
    Kanaele k{ein, aus, fehlerGeraet, terminal, std::move(archiv)};
    lauf.status = sprhoArchiv(argumente, k);
    lauf.fehler = QString::fromUtf8(fehler);
    return lauf;
}

QByteArray lesen(const QString &pfad)
{
    QFile datei(pfad);
    return datei.open(QIODevice::ReadOnly) ? datei.readAll() : QByteArray("<fehlt>");
}

const QByteArray beispiel = "# Kommentar mit Liebe\n"
                            "Liebe ist süß – 5 € für dich\n"
                            "\n"
                            "  Rand  \n"
                            "[Anmache eins\n"
                            "[Anmache zwei\n"
                            "]Weichei\n";

} // namespace

class TestWerkzeug : public QObject {
    Q_OBJECT
private slots:
    void init();
    void rundUm_data();
    void rundUm();
    void packenVerweigert_data();
    void packenVerweigert();
    void entpackenMeldetVerlust();
    void pruefen();
    void suchen_data();
    void suchen();
    void leseFehler_data();
    void leseFehler();
    void zufall_data();
    void zufall();
    void falscheBedienung_data();
    void falscheBedienung();

private:
    QString archiv() const { return m_ordner->filePath(u"sprho.dat"_s); }
    std::unique_ptr<QTemporaryDir> m_ordner;
};

void TestWerkzeug::init()
{
    m_ordner = std::make_unique<QTemporaryDir>();
    QCOMPARE(ausfuehren({u"pack"_s, u"-"_s, archiv()}, beispiel).status, 0);
}

void TestWerkzeug::rundUm_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("zurueck");
    QTest::newRow("Beispiel") << beispiel << beispiel;
    QTest::newRow("CR LF wird LF, letzte Zeile bekommt ihr Ende")
        << QByteArray("a\r\nb") << QByteArray("a\nb\n");
    QTest::newRow("leer") << QByteArray() << QByteArray();
    QTest::newRow("Byte-Order-Mark am Anfang")
        << QByteArray("\xEF\xBB\xBFHallo\n") << QByteArray("Hallo\n");
    const QByteArray paare = "eNEniTItaRArxYX6y5Q\xC2\xA7\xC3\xBF \n";
    QTest::newRow("alle Tauschzeichen") << paare << paare;
}

void TestWerkzeug::rundUm()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, zurueck);
    const Lauf pack = ausfuehren({u"pack"_s, u"-"_s, u"-"_s}, text);
    QCOMPARE(pack.status, 0);
    QCOMPARE(pack.aus.count("\r\n"), zurueck.count('\n'));
    QVERIFY(!pack.aus.contains("Liebe")); // scrambled
    const Lauf unpack = ausfuehren({u"unpack"_s, u"-"_s, u"-"_s}, pack.aus);
    QCOMPARE(unpack.status, 0);
    QCOMPARE(unpack.aus, zurueck);
    QVERIFY(unpack.fehler.isEmpty());
}

// A refused pack names the place and leaves an existing output as it was.
void TestWerkzeug::packenVerweigert_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("ziel");
    QTest::addColumn<QString>("meldung");
    QTest::newRow("nicht in Windows-1252")
        << QByteArray("gut\nab \xE4\xB8\xAD\n") << u"sprho.dat"_s << u"Zeile 2, Spalte 4: U+4E2D"_s;
    QTest::newRow("in Windows-1252 undefiniert")
        << QByteArray("ab\xC2\x81") << u"-"_s << u"Zeile 1, Spalte 3: U+0081"_s;
    QTest::newRow("CR in der Zeile") << QByteArray("a\rb\n") << u"-"_s << u"Zeile 1, Spalte 2"_s;
    QTest::newRow("CR am Ende ohne LF") << QByteArray("a\nb\r") << u"-"_s << u"Zeile 2, Spalte 2"_s;
    QTest::newRow("ungültiges UTF-8") << QByteArray("\xFF") << u"-"_s << u"Zeile 1, Spalte 1"_s;
    QTest::newRow("Emoji zählt als ein Zeichen")
        << QByteArray("x\xF0\x9F\x98\x80y\xE4\xB8\xAD") << u"-"_s << u"Spalte 2: U+1F600"_s;
    QTest::newRow("Byte-Order-Mark mitten im Text")
        << QByteArray("eins\n\xEF\xBB\xBFzwei\n") << u"sprho.dat"_s << u"Zeile 2, Spalte 1"_s;
    QTest::newRow("Ordner") << beispiel << u"."_s << u"Ordner"_s;
    QTest::newRow("Ordner fehlt") << beispiel << u"fehlt/x.dat"_s << u"fehlt/x.dat"_s;
    QTest::newRow("Platte voll") << beispiel << u"/dev/full"_s << u"/dev/full"_s;
}

void TestWerkzeug::packenVerweigert()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, ziel);
    QFETCH(QString, meldung);
    const QByteArray vorher = lesen(archiv());
    const QString pfad = ziel == u"-"_s || ziel.startsWith(u'/') ? ziel : m_ordner->filePath(ziel);
    const Lauf lauf = ausfuehren({u"pack"_s, u"-"_s, pfad}, text);
    QCOMPARE(lauf.status, 1);
    QVERIFY2(lauf.fehler.contains(meldung), qPrintable(lauf.fehler));
    QVERIFY(lauf.aus.isEmpty());
    QCOMPARE(lesen(archiv()), vorher);
    QCOMPARE(QDir(m_ordner->path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
             QStringList{u"sprho.dat"_s}); // no temporary file left behind
}

void TestWerkzeug::entpackenMeldetVerlust()
{
    QFile datei(archiv());
    QVERIFY(datei.open(QIODevice::WriteOnly));
    datei.write("gut\r\nzwei\nteile\r\nbyte \x81 hier\r\n");
    datei.close();
    const Lauf lauf = ausfuehren({u"unpack"_s, archiv(), u"-"_s});
    QCOMPARE(lauf.status, 0);
    QCOMPARE(lauf.aus.count('\n'), 4);           // the lone LF became a line break ...
    QVERIFY(lauf.fehler.contains(u"Zeile 2"_s)); // ... and says so
    QVERIFY(lauf.fehler.contains(u"Zeile 3, Spalte 6"_s));
    QVERIFY(!lauf.fehler.contains(u"Zeile 1"_s));
}

void TestWerkzeug::pruefen()
{
    const QByteArray text = "# K\ndoppelt\ndoppelt\n[doppelt\n[\n]w\n\n" + QByteArray(161, 'x') +
                            "\n" + QByteArray(160, 'y') + "\n";
    QCOMPARE(ausfuehren({u"pack"_s, u"-"_s, archiv()}, text).status, 0);
    const Lauf lauf = ausfuehren({u"check"_s, archiv()});
    QCOMPARE(lauf.status, 0);
    QCOMPARE(QString::fromUtf8(lauf.aus),
             u"Zeilen: 9\nKommentare: 1\nEinträge SMS-Datenbank: 5\n"
             u"Einträge Dumm-Anmach-Sprüche: 2\nEinträge Weicheier: 1\nLeere Einträge: 2\n"
             u"Doppelte Einträge: 1\nEinträge über 160 Zeichen: 1\nZeilen mit einzelnem LF: 0\n"
             u"Zeilen mit undefinierten Bytes: 0\nZeile 3: doppelt (wie Zeile 2): doppelt\n"
             u"Zeile 5: leerer Eintrag\nZeile 7: leerer Eintrag\nZeile 8: 161 Zeichen\n"_s);
    QCOMPARE(ausfuehren({u"check"_s, m_ordner->filePath(u"fehlt"_s)}).status, 1);
    QCOMPARE(ausfuehren({u"check"_s, m_ordner->path()}).status, 1);
}

// search and category: the listed texts in the list's order, the count
// message as the last line of standard error.
void TestWerkzeug::suchen_data()
{
    QTest::addColumn<QStringList>("argumente");
    QTest::addColumn<QByteArray>("antwort");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("aus");
    QTest::addColumn<QString>("meldung");
    const QByteArray liebe = "Liebe ist süß – 5 € für dich\n";
    QTest::newRow("Begriff") << QStringList{u"search"_s, u"LIEBE"_s} << QByteArray() << 0 << liebe
                             << u"Ein Eintrag gefunden!\n"_s;
    QTest::newRow("ohne Begriff, sortiert")
        << QStringList{u"search"_s} << QByteArray() << 0 << "\n  Rand  \n" + liebe
        << u"3 gefundene Einträge!\n"_s;
    QTest::newRow("Bereich 1, NUL")
        << QStringList{u"search"_s, u"--area=1"_s, u"-0"_s, u"x"_s} << QByteArray() << 0
        << QByteArray("Anmache eins\0Anmache zwei\0", 26) << u"2 gefundene Einträge!\n"_s;
    QTest::newRow("Begriff nach --")
        << QStringList{u"search"_s, u"--"_s, u"--help"_s} << QByteArray() << 0 << QByteArray()
        << u"Keine Einträge gefunden!\n"_s;
    QTest::newRow("Kategorie") << QStringList{u"category"_s, u"Liebe"_s} << QByteArray() << 0
                               << liebe << u"Ein Eintrag gefunden!\n"_s;
    QTest::newRow("Versaut ohne Terminal: abgelehnt")
        << QStringList{u"category"_s, u"Versaut"_s} << QByteArray("ja\n") << 1 << QByteArray()
        << u"--yes"_s;
    QTest::newRow("Versaut mit --yes")
        << QStringList{u"category"_s, u"--yes"_s, u"Versaut"_s} << QByteArray() << 0 << QByteArray()
        << u"Keine Einträge gefunden!\n"_s;
    QTest::newRow("Versaut am Terminal: ja")
        << QStringList{u"category"_s, u"Versaut"_s, u"--terminal"_s} << QByteArray("J\n") << 0
        << QByteArray() << u"Keine Einträge gefunden!\n"_s;
    QTest::newRow("Versaut am Terminal: nein")
        << QStringList{u"category"_s, u"Versaut"_s, u"--terminal"_s} << QByteArray("nein\n") << 1
        << QByteArray() << u"abgelehnt"_s;
    QTest::newRow("Zufall aus Versaut ohne Terminal: abgelehnt")
        << QStringList{u"random"_s, u"--category"_s, u"Versaut"_s} << QByteArray("ja\n") << 1
        << QByteArray() << u"--yes"_s;
}

void TestWerkzeug::suchen()
{
    QFETCH(QStringList, argumente);
    QFETCH(QByteArray, antwort);
    QFETCH(int, status);
    QFETCH(QByteArray, aus);
    QFETCH(QString, meldung);
    const bool terminal = argumente.removeAll(u"--terminal"_s) > 0;
    const Lauf lauf =
        ausfuehren(QStringList{argumente.first(), u"--archive"_s, archiv()} + argumente.mid(1),
                   antwort, terminal);
    QCOMPARE(lauf.status, status);
    QCOMPARE(lauf.aus, aus);
    QVERIFY2(lauf.fehler.endsWith(meldung) || (status == 1 && lauf.fehler.contains(meldung)),
             qPrintable(lauf.fehler));
    QCOMPARE(lauf.fehler.contains(u"Gürterllinie"_s),
             argumente.contains(u"Versaut"_s) && !argumente.contains(u"--yes"_s));
}

// A read that fails anywhere fails search and category: a message, exit 1
// and nothing listed.
void TestWerkzeug::leseFehler_data()
{
    QTest::addColumn<QStringList>("argumente");
    QTest::addColumn<qint64>("fehlerAb");
    for (const auto &[stelle, fehlerAb] : fehlerstellen(dreiBloeckeArchiv())) {
        QTest::addRow("search, %s", stelle)
            << QStringList{u"search"_s, u"--area"_s, u"1"_s} << fehlerAb;
        QTest::addRow("category, %s", stelle)
            << QStringList{u"category"_s, u"--yes"_s, u"Liebe"_s} << fehlerAb;
    }
}

void TestWerkzeug::leseFehler()
{
    QFETCH(QStringList, argumente);
    QFETCH(qint64, fehlerAb);
    const QByteArray daten = dreiBloeckeArchiv();
    const Lauf lauf = ausfuehren(argumente, {}, false,
                                 [&] { return std::make_unique<Fehlgeraet>(daten, fehlerAb); });
    QCOMPARE(lauf.status, 1);
    QCOMPARE(lauf.aus, QByteArray());
    QVERIFY2(lauf.fehler.contains(u"Suchlauf fehlgeschlagen"_s), qPrintable(lauf.fehler));
}

// random over fixed seeds: only what the area or the category search holds,
// each about equally often; a failure when there is nothing to choose.
void TestWerkzeug::zufall_data()
{
    QTest::addColumn<QByteArray>("text"); // null: no archive at all
    QTest::addColumn<QStringList>("argumente");
    QTest::addColumn<QStringList>("moeglich"); // empty: the run fails
    QTest::addColumn<QString>("meldung");
    const QByteArray gemischt = "# A\nA\n[eins\nB\n]w1\n\n[zwei\n#[nie\n]w2\nC\n[drei\n";
    QTest::newRow("Bereich 0 mit leerem Eintrag")
        << gemischt << QStringList{} << QStringList{u"A"_s, u"B"_s, u""_s, u"C"_s} << QString();
    QTest::newRow("Bereich 1, NUL") << gemischt << QStringList{u"--area"_s, u"1"_s, u"-0"_s}
                                    << QStringList{u"eins"_s, u"zwei"_s, u"drei"_s} << QString();
    QTest::newRow("Bereich 2") << gemischt << QStringList{u"--area=2"_s}
                               << QStringList{u"w1"_s, u"w2"_s} << QString();
    QTest::newRow("Kategorie") << QByteArray("Liebe a\nb\nsüß c\n[Liebe d\nHimmel e\n")
                               << QStringList{u"--category"_s, u"Liebe"_s}
                               << QStringList{u"Himmel e"_s, u"Liebe a"_s, u"süß c"_s} << QString();
    QTest::newRow("leerer Bereich") << QByteArray("A\n[B\n") << QStringList{u"--area"_s, u"2"_s}
                                    << QStringList{} << u"keine Einträge in Bereich 2"_s;
    QTest::newRow("Kategorie ohne Treffer")
        << QByteArray("A\n") << QStringList{u"--category"_s, u"Weihnachten"_s} << QStringList{}
        << u"keine Einträge"_s;
    QTest::newRow("Archiv fehlt") << QByteArray() << QStringList{} << QStringList{}
                                  << u"Suchlauf fehlgeschlagen"_s;
}

void TestWerkzeug::zufall()
{
    QFETCH(QByteArray, text);
    QFETCH(QStringList, argumente);
    QFETCH(QStringList, moeglich);
    QFETCH(QString, meldung);
    if (text.isNull())
        QVERIFY(QFile::remove(archiv()));
    else
        QCOMPARE(ausfuehren({u"pack"_s, u"-"_s, archiv()}, text).status, 0);
    const QStringList aufruf = QStringList{u"random"_s, u"--archive"_s, archiv()} + argumente;
    if (moeglich.isEmpty()) {
        const Lauf lauf = ausfuehren(aufruf);
        QCOMPARE(lauf.status, 1);
        QVERIFY(lauf.aus.isEmpty());
        QVERIFY2(lauf.fehler.contains(meldung), qPrintable(lauf.fehler));
        return;
    }

    const char ende = argumente.contains(u"-0"_s) ? '\0' : '\n';
    const int erwartet = 100; // runs per candidate
    QList<int> anzahl(moeglich.size());
    QByteArray ersteWahl;
    for (int saat = 1; saat <= erwartet * moeglich.size(); ++saat) {
        const Lauf lauf = ausfuehren(aufruf + QStringList{u"--seed"_s, QString::number(saat)});
        QCOMPARE(lauf.status, 0);
        QVERIFY(lauf.aus.endsWith(ende));
        const qsizetype i = moeglich.indexOf(QString::fromUtf8(lauf.aus.chopped(1)));
        QVERIFY2(i >= 0, lauf.aus.constData());
        ++anzahl[i];
        if (saat == 1)
            ersteWahl = lauf.aus;
    }
    // Chi-square against equal counts, below its 99.9 % quantile
    // (Wilson-Hilferty): fixed seeds make this the same on every run, and a
    // choice that favours early or late entries lands far above it.
    double chiQuadrat = 0;
    for (const int n : anzahl)
        chiQuadrat += (n - erwartet) * (n - erwartet) / double(erwartet);
    const double df = double(moeglich.size() - 1);
    const double grenze = df * std::pow(1 - 2 / (9 * df) + 3.09 * std::sqrt(2 / (9 * df)), 3);
    QVERIFY2(chiQuadrat < grenze, qPrintable(u"%1 >= %2"_s.arg(chiQuadrat).arg(grenze)));
    QCOMPARE(ausfuehren(aufruf + QStringList{u"--seed=1"_s}).aus, ersteWahl);
}

void TestWerkzeug::falscheBedienung_data()
{
    QTest::addColumn<QStringList>("argumente");
    QTest::newRow("nichts") << QStringList{};
    QTest::newRow("unbekannter Befehl") << QStringList{u"packen"_s};
    QTest::newRow("pack ohne Ziel") << QStringList{u"pack"_s, u"a"_s};
    QTest::newRow("check zwei Archive") << QStringList{u"check"_s, u"a"_s, u"b"_s};
    QTest::newRow("Bereich 3") << QStringList{u"search"_s, u"--area"_s, u"3"_s};
    QTest::newRow("zwei Begriffe") << QStringList{u"search"_s, u"a"_s, u"b"_s};
    QTest::newRow("--archive ohne Datei") << QStringList{u"search"_s, u"--archive"_s};
    QTest::newRow("unbekannte Kategorie") << QStringList{u"category"_s, u"Hunde"_s};
    QTest::newRow("random: Bereich und Kategorie")
        << QStringList{u"random"_s, u"--area=1"_s, u"--category"_s, u"Liebe"_s};
    QTest::newRow("random: Saat keine Zahl") << QStringList{u"random"_s, u"--seed"_s, u"-1"_s};
    QTest::newRow("random: unbekannte Kategorie") << QStringList{u"random"_s, u"--category=Hund"_s};
    QTest::newRow("random: Wert fehlt") << QStringList{u"random"_s, u"--archive"_s};
    QTest::newRow("random: Schalter mit Wert") << QStringList{u"random"_s, u"--null=1"_s};
    QTest::newRow("random: Argument") << QStringList{u"random"_s, u"x"_s};
}

void TestWerkzeug::falscheBedienung()
{
    QFETCH(QStringList, argumente);
    const Lauf lauf = ausfuehren(argumente);
    QCOMPARE(lauf.status, 2);
    QVERIFY(lauf.aus.isEmpty());
    QVERIFY(lauf.fehler.contains(u"--help"_s));
}

QTEST_GUILESS_MAIN(TestWerkzeug)
#include "tst_werkzeug.moc"
