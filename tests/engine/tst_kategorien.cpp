#include "search/ergebnis_ordnung.h"
#include "search/meldungen.h"
#include "search/speicher_anzeige.h"
#include "search/suchmaschine.h"
#include "tests/engine/testarchiv.h"

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
        begriffe << m_maschine.begriff();
    }
    QStringList begriffe;

private:
    const Suchmaschine &m_maschine;
};

QStringList zeilen(const QString &wort, int anzahl)
{
    QStringList ergebnis;
    for (int i = 1; i <= anzahl; ++i)
        ergebnis << u"%1 %2"_s.arg(wort).arg(i, 3, 10, QLatin1Char('0'));
    return ergebnis;
}

} // namespace

class TestKategorien : public QObject {
    Q_OBJECT
private slots:
    void tabelle();
    void kette_data();
    void kette();
    void versaut();
    void ordnung_data();
    void ordnung();
};

void TestKategorien::tabelle()
{
    KategorieTabelle t;
    t.kateg_laden();
    QCOMPARE(t.anzahl(), 9);
    const QStringList namen = t.namen();
    QCOMPARE(namen.join(u'|'), u"Alkohol & Co.|Frauen|Freunschaften|Kinder|Liebe|Männer|Sex|"
                               u"Versaut|Weihnachten"_s);
    QStringList sortiert = namen; // the list shows them in table order
    ergebnisseSortieren(sortiert);
    QCOMPARE(sortiert, namen);
    const auto liebe = t.suchbegriffe(5);
    QCOMPARE(QStringList(liebe.begin(), liebe.end()).join(u'|'),
             u"Liebe|Stern|Himmel|Bär|süss|süß"_s);

    while (t.anzahl() < KategorieTabelle::maxZeilen)
        QVERIFY(t.kateg_neu(u"n"_s, {}, {}, {}, {}, {}));
    QVERIFY(!t.kateg_neu(u"zu viel"_s, {}, {}, {}, {}, {}));
}

// Which passes a chain runs and where it stops, on archives where each term
// finds a known number of lines.
void TestKategorien::kette_data()
{
    QTest::addColumn<QString>("kategorie");
    QTest::addColumn<QStringList>("archiv");
    QTest::addColumn<int>("laeufe");
    QTest::addColumn<int>("eintraege");
    QTest::newRow("wenige Treffer: sechs Läufe")
        << u"Kinder"_s << zeilen(u"Kinder"_s, 3) + zeilen(u"Spielplatz"_s, 2) << 6 << 5;
    QTest::newRow("100 nach dem Namen: kein Schlagwort mehr")
        << u"Kinder"_s << zeilen(u"Kinder"_s, 120) + zeilen(u"Mutter"_s, 5) << 1 << 100;
    QTest::newRow("99 nach fünf Läufen: der sechste läuft")
        << u"Kinder"_s << zeilen(u"Kinder"_s, 99) + zeilen(u"Spielplatz"_s, 1) << 6 << 100;
    QTest::newRow("99 nach zwei, 100 neue im dritten: 199")
        << u"Kinder"_s
        << zeilen(u"Kinder"_s, 50) + zeilen(u"Mutter"_s, 49) + zeilen(u"Vater"_s, 150) << 3 << 199;
    QTest::newRow("eine Zeile für drei Begriffe zählt einmal")
        << u"Kinder"_s << QStringList{u"Mutter, Vater, Kinder"_s, u"Mutter, Vater, Kinder"_s} << 6
        << 2;
    QTest::newRow("Sex: die letzten drei Läufe mit ###")
        << u"Sex"_s << zeilen(u"schlafen"_s, 2) << 6 << 2;
    QTest::newRow("unbekannter Name: Liste leer, kein Lauf")
        << u""_s << zeilen(u"x"_s, 2) << 0 << 0;
}

void TestKategorien::kette()
{
    QFETCH(QString, kategorie);
    QFETCH(QStringList, archiv);
    QFETCH(int, laeufe);
    QFETCH(int, eintraege);

    Testarchiv datei;
    datei.schreiben(archiv + QStringList{u"Apfel"_s});
    Suchmaschine maschine(datei.pfad());
    maschine.kateg_laden();
    Mitschrift anzeige(maschine);
    QCOMPARE(maschine.suchlauf(u"apfel"_s, anzeige), Suchmaschine::Ausgang::Erledigt);
    anzeige.begriffe.clear();

    QCOMPARE(maschine.kategoriesuche(kategorie, anzeige, [] { return false; }),
             Suchmaschine::Ausgang::Erledigt);
    const int zeile = maschine.kategorien().zeileZu(kategorie);
    const auto alle = maschine.kategorien().suchbegriffe(zeile);
    QCOMPARE(anzeige.begriffe, QStringList(alle.begin(), alle.begin() + laeufe));
    QCOMPARE(anzeige.eintraege().size(), eintraege);
    QCOMPARE(qsizetype(maschine.gelisteteZeilen().size()), eintraege);
    QVERIFY(!maschine.haengtAn());
    if (laeufe == 0) // no pass: the old count message stays
        QCOMPARE(anzeige.anzahlMeldung(), u"Ein Eintrag gefunden!"_s);
    else
        QCOMPARE(anzeige.anzahlMeldung(), meldungen::anzahl(eintraege));

    // Afterwards the search button starts afresh.
    QCOMPARE(maschine.suchlauf(u"apfel"_s, anzeige), Suchmaschine::Ausgang::Erledigt);
    QCOMPARE(anzeige.eintraege(), QStringList{u"Apfel"_s});
}

void TestKategorien::versaut()
{
    Testarchiv datei;
    datei.schreiben({u"Kerzen ausblasen"_s, u"Liebe"_s});
    Suchmaschine maschine(datei.pfad());
    maschine.kateg_laden();
    Mitschrift anzeige(maschine);
    QCOMPARE(maschine.suchlauf(u"liebe"_s, anzeige), Suchmaschine::Ausgang::Erledigt);

    int gefragt = 0;
    bool antwort = false;
    const auto frage = [&] {
        ++gefragt;
        return antwort;
    };
    QCOMPARE(maschine.kategoriesuche(u"Versaut"_s, anzeige, frage),
             Suchmaschine::Ausgang::Abgelehnt);
    QCOMPARE(anzeige.eintraege(), QStringList{u"Liebe"_s}); // No changes nothing
    QCOMPARE(maschine.begriff(), u"liebe"_s);
    QCOMPARE(maschine.gelisteteZeilen(), QSet<qint64>{2});

    antwort = true;
    for (int mal = 0; mal < 2; ++mal) { // asked again right after a Yes
        anzeige.begriffe.clear();
        QCOMPARE(maschine.kategoriesuche(u"Versaut"_s, anzeige, frage),
                 Suchmaschine::Ausgang::Erledigt);
        QCOMPARE(anzeige.begriffe.join(u'|'), u"Versaut|Fotz|fick|bumsen|blasen|Sperma"_s);
        QCOMPARE(anzeige.eintraege(), QStringList{u"Kerzen ausblasen"_s});
    }
    QCOMPARE(gefragt, 3);
    for (const QString &name : maschine.kategorien().namen()) {
        if (name != u"Versaut"_s)
            QVERIFY(maschine.kategoriesuche(name, anzeige, frage) ==
                    Suchmaschine::Ausgang::Erledigt);
    }
    QCOMPARE(gefragt, 3); // no other category asks
}

// One order for every list: German, case ignored, whatever the locale.
void TestKategorien::ordnung_data()
{
    QTest::addColumn<QStringList>("eingabe");
    QTest::addColumn<QStringList>("erwartet");
    QTest::newRow("Groß/klein egal") << QStringList{u"beta"_s, u"Alpha"_s, u"gamma"_s}
                                     << QStringList{u"Alpha"_s, u"beta"_s, u"gamma"_s};
    QTest::newRow("Umlaute bei ihrem Grundbuchstaben")
        << QStringList{u"Zebra"_s, u"Ärger"_s, u"arg"_s, u"öde"_s, u"Ofen"_s}
        << QStringList{u"arg"_s, u"Ärger"_s, u"öde"_s, u"Ofen"_s, u"Zebra"_s};
    QTest::newRow("ß wie ss") << QStringList{u"Strauß"_s, u"Straße"_s, u"Strasse"_s, u"Strb"_s}
                              << QStringList{u"Strasse"_s, u"Straße"_s, u"Strauß"_s, u"Strb"_s};
    QTest::newRow("nur Groß/klein verschieden: feste Folge")
        << QStringList{u"hallo"_s, u"HALLO"_s, u"Hallo"_s}
        << QStringList{u"HALLO"_s, u"Hallo"_s, u"hallo"_s};
    const QString lang(2000, u'x'); // compared without collation keys
    QTest::newRow("lange Texte wie kurze")
        << QStringList{u"Strauß"_s + lang, u"hallo"_s + lang, u"Straße"_s,
                       u"HALLO"_s + lang,  u"Ärger"_s + lang, u"arg"_s}
        << QStringList{u"arg"_s,          u"Ärger"_s + lang, u"HALLO"_s + lang,
                       u"hallo"_s + lang, u"Straße"_s,       u"Strauß"_s + lang};
}

void TestKategorien::ordnung()
{
    QFETCH(QStringList, eingabe);
    QFETCH(QStringList, erwartet);
    const QLocale vorher;
    for (const auto sprache : {QLocale::C, QLocale::Swedish}) {
        QLocale::setDefault(QLocale(sprache));
        QStringList liste = eingabe;
        ergebnisseSortieren(liste);
        QCOMPARE(liste, erwartet);
    }
    QLocale::setDefault(vorher);
}

QTEST_GUILESS_MAIN(TestKategorien)
#include "tst_kategorien.moc"
