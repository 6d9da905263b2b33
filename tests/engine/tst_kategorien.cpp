#include "ergebnis_ordnung.h"
#include "meldungen.h"
#include "speicher_anzeige.h"
#include "suchmaschine.h"
#include "testarchiv.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Records the term of every pass the chain runs.
class Mitschrift : public SpeicherAnzeige {
public:
    explicit Mitschrift(const Suchmaschine &maschine) : m_maschine(maschine) {}
    void anzahlSetzen(const QString &meldung) override
    {
        SpeicherAnzeige::anzahlSetzen(meldung);
        begriffe << m_maschine.suchbegriff;
    }
    QStringList begriffe;

private:
    const Suchmaschine &m_maschine;
};

QStringList zeilen(const QString &wort, int anzahl, int ab = 1)
{
    QStringList ergebnis;
    for (int i = ab; i < ab + anzahl; ++i)
        ergebnis << u"%1 %2"_s.arg(wort).arg(i, 3, 10, QLatin1Char('0'));
    return ergebnis;
}

auto nie = [] { return false; };

} // namespace

class TestKategorien : public QObject {
    Q_OBJECT
private slots:
    void tabelle();
    void tabelleHatFesteGrenze();
    void kette_data();
    void kette();
    void zeileNurEinmal();
    void versaut();
    void unbekannterName();
    void danachBeginntSucheNeu();
    void ordnung_data();
    void ordnung();
    void ordnungUnabhaengigVomGebietsschema();
};

void TestKategorien::tabelle()
{
    KategorieTabelle t;
    QCOMPARE(t.kat_anzahl, 0);
    t.kateg_laden();
    QCOMPARE(t.kat_anzahl, 9);
    const QStringList namen{u"Alkohol & Co."_s, u"Frauen"_s,  u"Freunschaften"_s,
                            u"Kinder"_s,        u"Liebe"_s,   u"Männer"_s,
                            u"Sex"_s,           u"Versaut"_s, u"Weihnachten"_s};
    for (int i = 1; i <= 9; ++i)
        QCOMPARE(t.kat_name[std::size_t(i)], namen[i - 1]);
    QVERIFY(t.kat_name[0].isEmpty());
    // Already in the list's order, so the list shows them in table order.
    QStringList sortiert = namen;
    ergebnisseSortieren(sortiert);
    QCOMPARE(sortiert, namen);

    const auto liebe = t.suchbegriffe(5);
    QCOMPARE(QStringList(liebe.begin(), liebe.end()),
             (QStringList{u"Liebe"_s, u"Stern"_s, u"Himmel"_s, u"Bär"_s, u"süss"_s, u"süß"_s}));
    QCOMPARE(t.kat_wort4[2], u"Ehe"_s);
    QCOMPARE(t.kat_wort4[6], u"Ehe"_s);
    QCOMPARE(t.zeileZu(u"Freunschaften"_s), 3);
    QCOMPARE(t.zeileZu(u"freunschaften"_s), 0);
}

void TestKategorien::tabelleHatFesteGrenze()
{
    KategorieTabelle t;
    for (int i = 0; i < KategorieTabelle::maxZeilen; ++i)
        QVERIFY(t.kateg_neu(u"n"_s, {}, {}, {}, {}, {}));
    QVERIFY(!t.kateg_neu(u"zu viel"_s, {}, {}, {}, {}, {}));
    QCOMPARE(t.kat_anzahl, 200);
}

// Which passes a chain runs, and where it stops, for archives built so that
// each term finds a known number of lines.
void TestKategorien::kette_data()
{
    QTest::addColumn<QString>("kategorie");
    QTest::addColumn<QStringList>("archiv");
    QTest::addColumn<QStringList>("begriffe");
    QTest::addColumn<int>("eintraege");

    const QStringList kinderBegriffe{u"Kinder"_s, u"Mutter"_s,  u"Vater"_s,
                                     u"Eltern"_s, u"Familie"_s, u"Spielplatz"_s};
    QTest::newRow("wenige Treffer: alle sechs Läufe")
        << u"Kinder"_s << (zeilen(u"Kinder"_s, 3) + zeilen(u"Spielplatz"_s, 2)) << kinderBegriffe
        << 5;
    QTest::newRow("100 nach dem Namen: kein Schlagwort mehr")
        << u"Kinder"_s << (zeilen(u"Kinder"_s, 120) + zeilen(u"Mutter"_s, 5))
        << QStringList{u"Kinder"_s} << 100;
    QTest::newRow("99 nach dem fünften Lauf: der sechste läuft")
        << u"Kinder"_s << (zeilen(u"Kinder"_s, 99) + zeilen(u"Spielplatz"_s, 1)) << kinderBegriffe
        << 100;
    QTest::newRow("99 nach dem zweiten, 100 neue im dritten: 199")
        << u"Kinder"_s
        << (zeilen(u"Kinder"_s, 50) + zeilen(u"Mutter"_s, 49) + zeilen(u"Vater"_s, 150) +
            zeilen(u"Eltern"_s, 5))
        << kinderBegriffe.mid(0, 3) << 199;
    QTest::newRow("Sex: sechs Läufe, die letzten drei mit ###")
        << u"Sex"_s << zeilen(u"schlafen"_s, 2)
        << QStringList{u"Sex"_s, u"Orgasmus"_s, u"schlafen"_s, u"###"_s, u"###"_s, u"###"_s} << 2;
}

void TestKategorien::kette()
{
    QFETCH(QString, kategorie);
    QFETCH(QStringList, archiv);
    QFETCH(QStringList, begriffe);
    QFETCH(int, eintraege);

    Testarchiv datei;
    datei.schreiben(archiv);
    Suchmaschine maschine(datei.pfad());
    maschine.kategorien.kateg_laden();
    Mitschrift anzeige(maschine);
    QCOMPARE(maschine.kategoriesuche(kategorie, anzeige, nie), Suchmaschine::Ausgang::Erledigt);
    QCOMPARE(anzeige.begriffe, begriffe);
    QCOMPARE(anzeige.ergebnisAnzahl(), eintraege);
    QCOMPARE(anzeige.anzahlMeldung(), meldungen::anzahl(eintraege));
    QCOMPARE(maschine.anhaengen, 0);
}

void TestKategorien::zeileNurEinmal()
{
    Testarchiv datei;
    // Line 1 matches three terms; line 3 is the same text on another line.
    datei.schreiben(
        {u"Mutter, Vater und Kinder"_s, u"sonst nichts"_s, u"Mutter, Vater und Kinder"_s});
    Suchmaschine maschine(datei.pfad());
    maschine.kategorien.kateg_laden();
    SpeicherAnzeige anzeige;
    QCOMPARE(maschine.kategoriesuche(u"Kinder"_s, anzeige, nie), Suchmaschine::Ausgang::Erledigt);
    QCOMPARE(anzeige.ergebnisAnzahl(), 2);
    QCOMPARE(maschine.gefundene_zeilen, (QSet<qint64>{1, 3}));
}

void TestKategorien::versaut()
{
    Testarchiv datei;
    datei.schreiben({u"Kerzen ausblasen"_s, u"Liebe"_s});
    Suchmaschine maschine(datei.pfad());
    maschine.kategorien.kateg_laden();
    SpeicherAnzeige anzeige(u"liebe"_s);
    QCOMPARE(maschine.suchlauf(anzeige), Suchmaschine::Ausgang::Erledigt);

    int gefragt = 0;
    QCOMPARE(maschine.kategoriesuche(u"Versaut"_s, anzeige,
                                     [&] {
                                         ++gefragt;
                                         return false;
                                     }),
             Suchmaschine::Ausgang::Abgelehnt);
    QCOMPARE(gefragt, 1);
    QCOMPARE(anzeige.eintraege(), QStringList{u"Liebe"_s});
    QCOMPARE(anzeige.anzahlMeldung(), u"Ein Eintrag gefunden!"_s);
    QCOMPARE(maschine.suchbegriff, u"liebe"_s);
    QCOMPARE(maschine.gefundene_zeilen, QSet<qint64>{2});
    QCOMPARE(maschine.anhaengen, 0);

    Mitschrift mitschrift(maschine);
    for (int mal = 1; mal <= 2; ++mal) { // asked again right after a Yes
        mitschrift.begriffe.clear();
        QCOMPARE(maschine.kategoriesuche(u"Versaut"_s, mitschrift,
                                         [&] {
                                             ++gefragt;
                                             return true;
                                         }),
                 Suchmaschine::Ausgang::Erledigt);
        QCOMPARE(gefragt, 1 + mal);
        QCOMPARE(mitschrift.begriffe, (QStringList{u"Versaut"_s, u"Fotz"_s, u"fick"_s, u"bumsen"_s,
                                                   u"blasen"_s, u"Sperma"_s}));
        QCOMPARE(mitschrift.eintraege(), QStringList{u"Kerzen ausblasen"_s});
    }

    const int vorher = gefragt;
    for (int i = 1; i <= maschine.kategorien.kat_anzahl; ++i) {
        const QString name = maschine.kategorien.kat_name[std::size_t(i)];
        if (name != u"Versaut"_s)
            QCOMPARE(maschine.kategoriesuche(name, anzeige,
                                             [&] {
                                                 ++gefragt;
                                                 return true;
                                             }),
                     Suchmaschine::Ausgang::Erledigt);
    }
    QCOMPARE(gefragt, vorher);
}

void TestKategorien::unbekannterName()
{
    Testarchiv datei;
    datei.schreiben({u"Kinder"_s});
    Suchmaschine maschine(datei.pfad());
    maschine.kategorien.kateg_laden();
    Mitschrift anzeige(maschine);
    anzeige.ergebnisseHinzufuegen({u"alt"_s});
    anzeige.SpeicherAnzeige::anzahlSetzen(u"Ein Eintrag gefunden!"_s);
    maschine.gefundene_zeilen.insert(7);
    QCOMPARE(maschine.kategoriesuche(QString(), anzeige, nie), Suchmaschine::Ausgang::Erledigt);
    QCOMPARE(anzeige.ergebnisAnzahl(), 0);
    QVERIFY(maschine.gefundene_zeilen.isEmpty());
    QVERIFY(anzeige.begriffe.isEmpty());
    QCOMPARE(anzeige.anzahlMeldung(), u"Ein Eintrag gefunden!"_s);
}

void TestKategorien::danachBeginntSucheNeu()
{
    Testarchiv datei;
    datei.schreiben({u"Kinder"_s, u"Mutter"_s, u"Apfel"_s});
    Suchmaschine maschine(datei.pfad());
    maschine.kategorien.kateg_laden();
    SpeicherAnzeige anzeige(u"apfel"_s);
    QCOMPARE(maschine.kategoriesuche(u"Kinder"_s, anzeige, nie), Suchmaschine::Ausgang::Erledigt);
    QCOMPARE(anzeige.ergebnisAnzahl(), 2);
    QCOMPARE(maschine.suchlauf(anzeige), Suchmaschine::Ausgang::Erledigt);
    QCOMPARE(anzeige.eintraege(), QStringList{u"Apfel"_s});
}

void TestKategorien::ordnung_data()
{
    QTest::addColumn<QStringList>("eingabe");
    QTest::addColumn<QStringList>("erwartet");
    QTest::newRow("Groß/klein egal") << QStringList{u"beta"_s, u"Alpha"_s, u"gamma"_s}
                                     << QStringList{u"Alpha"_s, u"beta"_s, u"gamma"_s};
    QTest::newRow("Umlaute bei ihrem Grundbuchstaben")
        << QStringList{u"Zebra"_s, u"Ärger"_s, u"arg"_s, u"Birne"_s, u"öde"_s, u"Ofen"_s}
        << QStringList{u"arg"_s, u"Ärger"_s, u"Birne"_s, u"öde"_s, u"Ofen"_s, u"Zebra"_s};
    QTest::newRow("ß wie ss") << QStringList{u"Strauß"_s, u"Strasse"_s, u"Straße"_s, u"Strb"_s}
                              << QStringList{u"Strasse"_s, u"Straße"_s, u"Strauß"_s, u"Strb"_s};
    QTest::newRow("nur in Groß/klein verschieden: feste Folge")
        << QStringList{u"hallo"_s, u"Hallo"_s, u"HALLO"_s}
        << QStringList{u"HALLO"_s, u"Hallo"_s, u"hallo"_s};
    QTest::newRow("leere und Leerzeichen zuerst")
        << QStringList{u"b"_s, u""_s, u" a"_s} << QStringList{u""_s, u" a"_s, u"b"_s};
}

void TestKategorien::ordnung()
{
    QFETCH(QStringList, eingabe);
    QFETCH(QStringList, erwartet);
    ergebnisseSortieren(eingabe);
    QCOMPARE(eingabe, erwartet);
    for (qsizetype i = 0; i + 1 < erwartet.size(); ++i)
        QVERIFY(ergebnisVorher(erwartet[i], erwartet[i + 1]));
}

void TestKategorien::ordnungUnabhaengigVomGebietsschema()
{
    const QLocale vorher;
    for (const auto sprache : {QLocale::C, QLocale::English, QLocale::Swedish}) {
        QLocale::setDefault(QLocale(sprache));
        QStringList liste{u"zahm"_s, u"Äther"_s, u"apfel"_s, u"Zucker"_s, u"Ölfass"_s, u"ost"_s};
        ergebnisseSortieren(liste);
        QCOMPARE(liste, (QStringList{u"apfel"_s, u"Äther"_s, u"Ölfass"_s, u"ost"_s, u"zahm"_s,
                                     u"Zucker"_s}));
    }
    QLocale::setDefault(vorher);
}

QTEST_GUILESS_MAIN(TestKategorien)
#include "tst_kategorien.moc"
