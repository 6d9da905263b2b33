#include "meldungen.h"
#include "speicher_anzeige.h"
#include "suchmaschine.h"
#include "testarchiv.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QStringList nummeriert(const QString &vorlage, int von, int bis)
{
    QStringList zeilen;
    for (int i = von; i <= bis; ++i)
        zeilen << vorlage.arg(i, 4, 10, QLatin1Char('0'));
    return zeilen;
}

} // namespace

class TestSuchlauf : public QObject {
    Q_OBJECT
private slots:
    void treffer_data();
    void treffer();
    void alltagswoerterInJederSchreibweise_data();
    void alltagswoerterInJederSchreibweise();
    void hundertTrefferInDateireihenfolge();
    void listenbereichListetAlles();
    void begriffWirdGetrimmtGespeichert();
    void anzahlMeldungen_data();
    void anzahlMeldungen();
    void neuerLaufBeginntLeer();
    void suchtextWirdMarkiert();
    void mehrAls32767Zeilen();
    void kaputteArchive_data();
    void kaputteArchive();
    void fehlerpfad_data();
    void fehlerpfad();
    void geaendertesArchivWirktSofort();
};

// Which lines of one small archive a main-area pass lists for a term.
void TestSuchlauf::treffer_data()
{
    QTest::addColumn<QStringList>("archiv");
    QTest::addColumn<QString>("begriff");
    QTest::addColumn<QStringList>("gelistet");

    const QStringList gemischt{
        u"# Liebe im Kommentar"_s, u"Liebe ist schön"_s,     u"Ich hab dich lieb"_s,
        u"[Liebe im Bereich 1"_s,  u"]Liebe im Bereich 2"_s, u""_s,
        u"  Liebe mit Rand  "_s,   u"Kein Treffer hier"_s,
    };
    QTest::newRow("Teilwort, Groß/klein egal, Kommentar und Listen nie")
        << gemischt << u"lieb"_s
        << QStringList{u"  Liebe mit Rand  "_s, u"Ich hab dich lieb"_s, u"Liebe ist schön"_s};
    QTest::newRow("Leerer Begriff: alle Haupteinträge, auch leere")
        << gemischt << u""_s
        << QStringList{u""_s, u"  Liebe mit Rand  "_s, u"Ich hab dich lieb"_s,
                       u"Kein Treffer hier"_s, u"Liebe ist schön"_s};
    QTest::newRow("Wort mit Stern: Anfang in dieser Schreibweise")
        << QStringList{u"Liebe ist"_s, u"liebe ist"_s, u"Die Liebe"_s, u"Liebe* ja"_s}
        << u"Liebe*"_s << QStringList{u"Liebe ist"_s, u"Liebe* ja"_s};
    QTest::newRow("offene Klammer: Teilstring findet trotzdem")
        << QStringList{u"a[b steht da"_s, u"ab"_s} << u"a[b"_s << QStringList{u"a[b steht da"_s};
    QTest::newRow("nur Klammer auf")
        << QStringList{u"x [ y"_s, u"xy"_s} << u"["_s << QStringList{u"x [ y"_s};
    QTest::newRow("Stern findet alles über Platzhalter")
        << QStringList{u"eins"_s, u""_s, u"#nie"_s} << u"*"_s << QStringList{u""_s, u"eins"_s};
    QTest::newRow("Fragezeichen: genau so lang")
        << QStringList{u"abc"_s, u"abcd"_s} << u"???"_s << QStringList{u"abc"_s};
    QTest::newRow("Raute: Ziffer, verschlüsselt gelesen")
        << QStringList{u"Zimmer 1"_s, u"Zimmer a"_s} << u"Zimmer #"_s << QStringList{u"Zimmer 1"_s};
    QTest::newRow("Umlaute ohne Rücksicht auf Groß/klein")
        << QStringList{u"ÄRGER im Büro"_s, u"Ärger"_s, u"arger"_s} << u"ärger"_s
        << QStringList{u"Ärger"_s, u"ÄRGER im Büro"_s};
    QTest::newRow("Tabulator bleibt Teil des Begriffs")
        << QStringList{u"a\tb"_s, u"a b"_s} << u"a\tb"_s << QStringList{u"a\tb"_s};
    QTest::newRow("LF allein trennt keine Einträge")
        << QStringList{u"oben\nunten"_s} << u"unten"_s << QStringList{u"oben\nunten"_s};
    QTest::newRow("Zeichen außerhalb Windows-1252")
        << QStringList{u"Hallo"_s} << u"Hallo 中"_s << QStringList{};
    QTest::newRow("tausend Sterne") << QStringList{u"eins"_s, u"zwei"_s} << QString(1000, u'*')
                                    << QStringList{u"eins"_s, u"zwei"_s};
    QTest::newRow("tausend Fragezeichen")
        << QStringList{u"eins"_s} << QString(1000, u'?') << QStringList{};
    QTest::newRow("ein Megabyte eingefügt")
        << QStringList{u"eins"_s, u"zwei"_s} << QString(1 << 20, u'x') << QStringList{};
    QTest::newRow("Klammer mit Ausrufezeichen, offen")
        << QStringList{u"x[!x"_s, u"x"_s} << u"[!"_s << QStringList{u"x[!x"_s};
    QTest::newRow("leere Klammer")
        << QStringList{u"a[]b"_s, u"ab"_s} << u"[]"_s << QStringList{u"a[]b"_s};
    QTest::newRow("verkehrter Bereich")
        << QStringList{u"m"_s, u"a [z-a]"_s} << u"[z-a]"_s << QStringList{u"a [z-a]"_s};
    QTest::newRow("viele Sterne vor dem Ende")
        << QStringList{QString(30, u'a'), QString(30, u'a') + u"b"_s}
        << u"*a*a*a*a*a*a*a*a*a*a*a*a*b"_s << QStringList{QString(30, u'a') + u"b"_s};
    QTest::newRow("Sonderzeichen der Paare")
        << QStringList{u"Quiz für § 5"_s, u"Xylophon yes"_s, u"quiz"_s} << u"§ 5"_s
        << QStringList{u"Quiz für § 5"_s};
}

void TestSuchlauf::treffer()
{
    QFETCH(QStringList, archiv);
    QFETCH(QString, begriff);
    QFETCH(QStringList, gelistet);

    Testarchiv datei;
    datei.schreiben(archiv);
    Suchmaschine maschine(datei.pfad());
    SpeicherAnzeige anzeige(begriff);
    QCOMPARE(maschine.suchlauf(anzeige), Suchmaschine::Ausgang::Erledigt);
    QCOMPARE(anzeige.eintraege(), gelistet);
}

// The codec's pairs must not cost everyday words their case-insensitivity:
// a term in any case finds the word in any other. Only x, y and Q are told
// apart from their other case (the price of the pairs); words with them, and
// with ß (whose capital form is SS), are left out here.
void TestSuchlauf::alltagswoerterInJederSchreibweise_data()
{
    QTest::addColumn<QString>("wort");
    const QStringList woerter{
        u"Liebe"_s,      u"Herz"_s,   u"Kuss"_s,        u"Freundin"_s, u"Geburtstag"_s,
        u"Schatz"_s,     u"Ehe"_s,    u"Weihnachten"_s, u"Nikolaus"_s, u"Männer"_s,
        u"Frauen"_s,     u"süss"_s,   u"Bär"_s,         u"Mädchen"_s,  u"Bier"_s,
        u"Alkohol"_s,    u"Junge"_s,  u"Vater"_s,       u"Zeit"_s,     u"jetzt"_s,
        u"Glück"_s,      u"Ärger"_s,  u"Übermorgen"_s,  u"Öl"_s,       u"Christkind"_s,
        u"Wochenende"_s, u"Arbeit"_s, u"Schule"_s,      u"Kinder"_s,   u"Familie"_s,
    };
    for (const QString &wort : woerter)
        QTest::newRow(qPrintable(wort)) << wort;
}

void TestSuchlauf::alltagswoerterInJederSchreibweise()
{
    QFETCH(QString, wort);
    auto gemischt = [](const QString &text) {
        QString s = text;
        for (qsizetype i = 0; i < s.size(); i += 2)
            s[i] = s[i].isUpper() ? s[i].toLower() : s[i].toUpper();
        return s;
    };
    const QStringList formen{wort, wort.toLower(), wort.toUpper(), gemischt(wort)};

    Testarchiv datei;
    QStringList zeilen;
    for (const QString &form : formen)
        zeilen << u"Vorne "_s + form + u" hinten"_s;
    datei.schreiben(zeilen);
    for (const QString &begriff : formen) {
        Suchmaschine maschine(datei.pfad());
        SpeicherAnzeige anzeige(begriff);
        QCOMPARE(maschine.suchlauf(anzeige), Suchmaschine::Ausgang::Erledigt);
        QVERIFY2(anzeige.ergebnisAnzahl() == formen.size(), qPrintable(begriff));
    }
}

void TestSuchlauf::hundertTrefferInDateireihenfolge()
{
    Testarchiv datei;
    // 150 hits in file order; their numbers sort the other way round, so the
    // test sees whether the first 100 of the file were kept, not the first
    // 100 of the sorted list.
    QStringList zeilen;
    for (int i = 150; i >= 1; --i)
        zeilen << u"Treffer %1"_s.arg(i, 3, 10, QLatin1Char('0'));
    datei.schreiben(zeilen);

    Suchmaschine maschine(datei.pfad());
    SpeicherAnzeige anzeige(u"treffer"_s);
    QCOMPARE(maschine.suchlauf(anzeige), Suchmaschine::Ausgang::Erledigt);
    QCOMPARE(anzeige.ergebnisAnzahl(), 100);
    QCOMPARE(anzeige.eintraege().first(), u"Treffer 051"_s);
    QCOMPARE(anzeige.eintraege().last(), u"Treffer 150"_s);
    QCOMPARE(anzeige.anzahlMeldung(), u"100 gefundene Einträge!"_s);
    QCOMPARE(maschine.gefundene_zeilen.size(), 100);
    QVERIFY(maschine.gefundene_zeilen.contains(1));
    QVERIFY(!maschine.gefundene_zeilen.contains(101));
}

void TestSuchlauf::listenbereichListetAlles()
{
    Testarchiv datei;
    QStringList zeilen = nummeriert(u"[Anmache %1"_s, 1, 250);
    zeilen << u"# [kein Eintrag"_s << u"Haupteintrag"_s << u"]Weichei"_s << u"["_s;
    datei.schreiben(zeilen);

    Suchmaschine maschine(datei.pfad());
    maschine.bereich_nr = 1;
    SpeicherAnzeige anzeige(u"passt auf nichts"_s);
    QCOMPARE(maschine.suchlauf(anzeige), Suchmaschine::Ausgang::Erledigt);
    QCOMPARE(anzeige.ergebnisAnzahl(), 251);
    QCOMPARE(anzeige.eintraege().first(), QString()); // "[" alone: an empty entry
    QCOMPARE(anzeige.eintraege()[1], u"Anmache 0001"_s);
    QCOMPARE(anzeige.anzahlMeldung(), u"251 gefundene Einträge!"_s);
    QVERIFY(maschine.gefundene_zeilen.isEmpty());

    maschine.bereich_nr = 2;
    QCOMPARE(maschine.suchlauf(anzeige), Suchmaschine::Ausgang::Erledigt);
    QCOMPARE(anzeige.eintraege(), QStringList{u"Weichei"_s});
}

void TestSuchlauf::begriffWirdGetrimmtGespeichert()
{
    Testarchiv datei;
    datei.schreiben({u"Hallo Welt"_s, u"Hallo"_s});
    for (const QString &begriff : {u"  Hallo Welt  "_s, u"Hallo Welt"_s}) {
        Suchmaschine maschine(datei.pfad());
        SpeicherAnzeige anzeige(begriff);
        QCOMPARE(maschine.suchlauf(anzeige), Suchmaschine::Ausgang::Erledigt);
        QCOMPARE(anzeige.eintraege(), QStringList{u"Hallo Welt"_s});
        QCOMPARE(maschine.suchbegriff, u"Hallo Welt"_s);
    }
    QCOMPARE(leerzeichenEntfernen(u" \tx\t "_s), u"\tx\t"_s); // only spaces go
}

void TestSuchlauf::anzahlMeldungen_data()
{
    QTest::addColumn<int>("anzahl");
    QTest::addColumn<QString>("meldung");
    QTest::newRow("0") << 0 << u"Keine Einträge gefunden!"_s;
    QTest::newRow("1") << 1 << u"Ein Eintrag gefunden!"_s;
    QTest::newRow("2") << 2 << u"2 gefundene Einträge!"_s;
    QTest::newRow("37") << 37 << u"37 gefundene Einträge!"_s;
}

void TestSuchlauf::anzahlMeldungen()
{
    QFETCH(int, anzahl);
    QFETCH(QString, meldung);
    Testarchiv datei;
    datei.schreiben(nummeriert(u"Text %1"_s, 1, anzahl) << u"Anderes"_s);
    Suchmaschine maschine(datei.pfad());
    SpeicherAnzeige anzeige(u"text"_s);
    QCOMPARE(maschine.suchlauf(anzeige), Suchmaschine::Ausgang::Erledigt);
    QCOMPARE(anzeige.anzahlMeldung(), meldung);
}

void TestSuchlauf::neuerLaufBeginntLeer()
{
    Testarchiv datei;
    datei.schreiben({u"Apfel"_s, u"Birne"_s});
    Suchmaschine maschine(datei.pfad());
    SpeicherAnzeige anzeige(u"apfel"_s);
    QCOMPARE(maschine.suchlauf(anzeige), Suchmaschine::Ausgang::Erledigt);
    anzeige.setSuchtext(u"birne"_s);
    QCOMPARE(maschine.suchlauf(anzeige), Suchmaschine::Ausgang::Erledigt);
    QCOMPARE(anzeige.eintraege(), QStringList{u"Birne"_s});
    QCOMPARE(anzeige.anzahlMeldung(), u"Ein Eintrag gefunden!"_s);
    QCOMPARE(maschine.gefundene_zeilen, QSet<qint64>{2});
}

void TestSuchlauf::suchtextWirdMarkiert()
{
    Testarchiv datei;
    datei.schreiben({u"x"_s});
    Suchmaschine maschine(datei.pfad());
    SpeicherAnzeige anzeige(u"  abc "_s);
    QCOMPARE(maschine.suchlauf(anzeige), Suchmaschine::Ausgang::Erledigt);
    QCOMPARE(anzeige.markierungStart(), 0);
    QCOMPARE(anzeige.markierungLaenge(), 6); // the box's own text, untrimmed
}

// Line numbers never wrap: a line past 65536 is not mistaken for an early one.
void TestSuchlauf::mehrAls32767Zeilen()
{
    Testarchiv datei;
    QStringList zeilen{u"Ziel"_s};
    for (int i = 2; i <= 65536; ++i)
        zeilen << u"#"_s;
    zeilen << u"Ziel"_s << u"Ziel ganz am Ende"_s;
    datei.schreiben(zeilen);

    Suchmaschine maschine(datei.pfad());
    SpeicherAnzeige anzeige(u"ziel"_s);
    QCOMPARE(maschine.suchlauf(anzeige), Suchmaschine::Ausgang::Erledigt);
    QCOMPARE(anzeige.eintraege(), (QStringList{u"Ziel"_s, u"Ziel"_s, u"Ziel ganz am Ende"_s}));
    QCOMPARE(maschine.gefundene_zeilen, (QSet<qint64>{1, 65537, 65538}));
}

// Archives no keeper should write, and the pass still reads to its end. The
// bytes are raw, so they are written scrambled: "R" reads as "a", "nEdN" as
// "Ende".
void TestSuchlauf::kaputteArchive_data()
{
    QTest::addColumn<QByteArray>("archiv");
    QTest::addColumn<QString>("begriff");
    QTest::addColumn<int>("bereich");
    QTest::addColumn<QStringList>("gelistet");

    QTest::newRow("leer, Hauptbereich") << QByteArray() << u""_s << 0 << QStringList{};
    QTest::newRow("leer, Liste") << QByteArray() << u""_s << 2 << QStringList{};
    QTest::newRow("NUL-Bytes") << QByteArray("R\0b\r\n\0\r\n", 7) << u"b"_s << 0
                               << QStringList{QString::fromLatin1("a\0b", 3)};
    QTest::newRow("undefinierte Bytes")
        << QByteArray("Y\x81\x8D\r\n") << u"x"_s << 0 << QStringList{u"x\u0081\u008D"_s};
    QTest::newRow("nur LF als Zeilenende")
        << QByteArray("rll\nbNTdN\n") << u"beide"_s << 0 << QStringList{u"All\nbeide\n"_s};
    QTest::newRow("Marker ohne Text")
        << QByteArray("[\r\n]\r\n#\r\n") << u""_s << 1 << QStringList{u""_s};

    const QByteArray riesig = QByteArray(50 << 20, 'q') + "nEdN";
    QTest::newRow("50 MB in einer Zeile ohne Ende")
        << riesig << u"qende"_s << 0 << QStringList{QString(50 << 20, u'q') + u"Ende"_s};

    QByteArray millionen;
    millionen.reserve(4'000'100);
    for (int i = 0; i < 1'000'000; ++i)
        millionen += "#k\r\n";
    millionen += "ZTNl";
    QTest::newRow("eine Million Zeilen") << millionen << u"ziel"_s << 0 << QStringList{u"Ziel"_s};
}

void TestSuchlauf::kaputteArchive()
{
    QFETCH(QByteArray, archiv);
    QFETCH(QString, begriff);
    QFETCH(int, bereich);
    QFETCH(QStringList, gelistet);

    Testarchiv datei;
    datei.schreibenRoh(archiv);
    Suchmaschine maschine(datei.pfad());
    maschine.bereich_nr = static_cast<qint16>(bereich);
    SpeicherAnzeige anzeige(begriff);
    QCOMPARE(maschine.suchlauf(anzeige), Suchmaschine::Ausgang::Erledigt);
    QCOMPARE(anzeige.eintraege(), gelistet);
    QCOMPARE(anzeige.anzahlMeldung(), meldungen::anzahl(gelistet.size()));
}

void TestSuchlauf::fehlerpfad_data()
{
    QTest::addColumn<bool>("alsOrdner");
    QTest::addColumn<int>("bereich");
    QTest::newRow("fehlt, Hauptbereich") << false << 0;
    QTest::newRow("fehlt, Liste") << false << 1;
    QTest::newRow("Ordner namens sprho.dat") << true << 0;
}

void TestSuchlauf::fehlerpfad()
{
    QFETCH(bool, alsOrdner);
    QFETCH(int, bereich);
    Testarchiv datei;
    if (alsOrdner)
        QVERIFY(QDir().mkpath(datei.pfad()));
    Suchmaschine maschine(datei.pfad());
    maschine.bereich_nr = static_cast<qint16>(bereich);
    SpeicherAnzeige anzeige(u"x"_s);
    anzeige.anzahlSetzen(u"vorher"_s);
    QCOMPARE(maschine.suchlauf(anzeige), Suchmaschine::Ausgang::Fehler);
    QVERIFY(!maschine.fehler().isEmpty());
    QCOMPARE(anzeige.anzahlMeldung(), u"vorher"_s);
}

void TestSuchlauf::geaendertesArchivWirktSofort()
{
    Testarchiv datei;
    datei.schreiben({u"alt"_s});
    Suchmaschine maschine(datei.pfad());
    SpeicherAnzeige anzeige(u""_s);
    QCOMPARE(maschine.suchlauf(anzeige), Suchmaschine::Ausgang::Erledigt);
    datei.schreiben({u"neu"_s, u"neuer"_s});
    QCOMPARE(maschine.suchlauf(anzeige), Suchmaschine::Ausgang::Erledigt);
    QCOMPARE(anzeige.eintraege(), (QStringList{u"neu"_s, u"neuer"_s}));
    QFile::remove(datei.pfad());
    QCOMPARE(maschine.suchlauf(anzeige), Suchmaschine::Ausgang::Fehler);
}

QTEST_GUILESS_MAIN(TestSuchlauf)
#include "tst_suchlauf.moc"
