#include "werkzeug.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// One in-process run of sprho-archiv with its streams in memory.
struct Lauf {
    int status = -1;
    QByteArray aus;
    QByteArray fehler;
    QString fehlerText() const { return QString::fromUtf8(fehler); }
    QString letzteFehlerzeile() const { return fehlerText().trimmed().split(u'\n').last(); }
};

Lauf ausfuehren(const QStringList &argumente, const QByteArray &eingabe = {}, bool terminal = false)
{
    QByteArray einDaten = eingabe;
    QBuffer ein(&einDaten);
    Lauf lauf;
    QBuffer aus(&lauf.aus);
    QBuffer fehler(&lauf.fehler);
    ein.open(QIODevice::ReadOnly);
    aus.open(QIODevice::WriteOnly);
    fehler.open(QIODevice::WriteOnly);
    Kanaele k{ein, aus, fehler, terminal};
    lauf.status = sprhoArchiv(argumente, k);
    return lauf;
}

QByteArray lesen(const QString &pfad)
{
    QFile datei(pfad);
    return datei.open(QIODevice::ReadOnly) ? datei.readAll() : QByteArray("<fehlt>");
}

void schreiben(const QString &pfad, const QByteArray &inhalt)
{
    QFile datei(pfad);
    QVERIFY(datei.open(QIODevice::WriteOnly | QIODevice::Truncate));
    datei.write(inhalt);
}

const QByteArray beispiel = "# Kommentar mit Liebe\n"
                            "Liebe ist süß – 5 € für dich\n"
                            "\n"
                            "  Rand  \n"
                            "[Anmache eins\n"
                            "[Anmache zwei\n"
                            "]Weichei\n"
                            "Herzlichen Glückwunsch!\n";

} // namespace

class TestWerkzeug : public QObject {
    Q_OBJECT
private slots:
    void init();
    void packenUndEntpackenRundUm_data();
    void packenUndEntpackenRundUm();
    void packenVerweigert_data();
    void packenVerweigert();
    void packenInUnschreibbaresZiel_data();
    void packenInUnschreibbaresZiel();
    void entpackenMeldetVerlust();
    void pruefen();
    void suchen_data();
    void suchen();
    void kategorie();
    void versautNachfrage_data();
    void versautNachfrage();
    void falscheBedienung_data();
    void falscheBedienung();
    void hilfeUndVersion();

private:
    QString archiv() const { return m_ordner->filePath(u"sprho.dat"_s); }
    std::unique_ptr<QTemporaryDir> m_ordner;
};

void TestWerkzeug::init()
{
    m_ordner = std::make_unique<QTemporaryDir>();
    QVERIFY(m_ordner->isValid());
    const Lauf lauf = ausfuehren({u"pack"_s, u"-"_s, archiv()}, beispiel);
    QCOMPARE(lauf.status, 0);
}

void TestWerkzeug::packenUndEntpackenRundUm_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("zurueck");
    QTest::newRow("Beispiel") << beispiel << beispiel;
    QTest::newRow("CR LF wird LF") << QByteArray("a\r\nb\r\n") << QByteArray("a\nb\n");
    QTest::newRow("letzte Zeile ohne Ende") << QByteArray("a\nb") << QByteArray("a\nb\n");
    QTest::newRow("leer") << QByteArray() << QByteArray();
    QTest::newRow("Byte-Order-Mark fällt weg")
        << QByteArray("\xEF\xBB\xBFHallo\n") << QByteArray("Hallo\n");
    QTest::newRow("alle Tauschzeichen") << QByteArray("eNEniTItaRArxYX6y5Q\xC2\xA7\xC3\xBF \n")
                                        << QByteArray("eNEniTItaRArxYX6y5Q\xC2\xA7\xC3\xBF \n");
}

void TestWerkzeug::packenUndEntpackenRundUm()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, zurueck);
    const Lauf pack = ausfuehren({u"pack"_s, u"-"_s, u"-"_s}, text);
    QCOMPARE(pack.status, 0);
    QVERIFY(pack.fehler.isEmpty());
    QCOMPARE(pack.aus.count("\r\n"), zurueck.count('\n'));
    QVERIFY2(!pack.aus.contains("Liebe"), "the archive must be scrambled");

    const Lauf unpack = ausfuehren({u"unpack"_s, u"-"_s, u"-"_s}, pack.aus);
    QCOMPARE(unpack.status, 0);
    QCOMPARE(unpack.aus, zurueck);
    QVERIFY(unpack.fehler.isEmpty());
}

void TestWerkzeug::packenVerweigert_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("meldung");
    QTest::newRow("Zeichen außerhalb Windows-1252")
        << QByteArray("gut\nnoch gut\nab \xE4\xB8\xAD\n") << u"Zeile 3, Spalte 4: U+4E2D"_s;
    QTest::newRow("CR in der Zeile") << QByteArray("a\rb\n") << u"Zeile 1, Spalte 2"_s;
    QTest::newRow("CR am Ende ohne LF") << QByteArray("a\nb\r") << u"Zeile 2, Spalte 2"_s;
    QTest::newRow("ungültiges UTF-8") << QByteArray("ok\n\xFF\n") << u"Zeile 2, Spalte 1"_s;
    QTest::newRow("Byte-Order-Mark mitten im Text")
        << QByteArray("eins\n\xEF\xBB\xBFzwei\n") << u"Zeile 2, Spalte 1: U+FEFF"_s;
    QTest::newRow("Emoji") << QByteArray("\xF0\x9F\x98\x80") << u"U+1F600"_s;
}

// A refused pack names the place and leaves the existing output untouched.
void TestWerkzeug::packenVerweigert()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, meldung);
    const QByteArray vorher = lesen(archiv());

    const Lauf inDatei = ausfuehren({u"pack"_s, u"-"_s, archiv()}, text);
    QCOMPARE(inDatei.status, 1);
    QVERIFY2(inDatei.fehlerText().contains(meldung), qPrintable(inDatei.fehlerText()));
    QCOMPARE(lesen(archiv()), vorher);
    QCOMPARE(QDir(m_ordner->path()).entryList(QDir::Files), QStringList{u"sprho.dat"_s});

    const Lauf aufAusgabe = ausfuehren({u"pack"_s, u"-"_s, u"-"_s}, text);
    QCOMPARE(aufAusgabe.status, 1);
    QVERIFY(aufAusgabe.aus.isEmpty());
}

void TestWerkzeug::packenInUnschreibbaresZiel_data()
{
    QTest::addColumn<QString>("ziel");
    QTest::newRow("Ordner") << u"."_s;
    QTest::newRow("Ordner fehlt") << u"fehlt/sprho.dat"_s;
    QTest::newRow("volle Platte") << u"/dev/full"_s;
}

void TestWerkzeug::packenInUnschreibbaresZiel()
{
    QFETCH(QString, ziel);
    if (ziel == u"/dev/full"_s && !QFile::exists(ziel))
        QSKIP("no /dev/full here");
    const QString pfad = ziel.startsWith(u'/') ? ziel : m_ordner->filePath(ziel);
    const Lauf lauf = ausfuehren({u"pack"_s, u"-"_s, pfad}, beispiel);
    QCOMPARE(lauf.status, 1);
    QVERIFY(lauf.fehlerText().startsWith(u"sprho-archiv: "_s));
    QVERIFY(!QFile::exists(m_ordner->filePath(u"fehlt"_s)));
}

void TestWerkzeug::entpackenMeldetVerlust()
{
    schreiben(archiv(), "gut\r\nzwei\nteile\r\nbyte \x81 hier\r\n");
    const Lauf lauf = ausfuehren({u"unpack"_s, archiv(), u"-"_s});
    QCOMPARE(lauf.status, 0);
    QCOMPARE(lauf.aus.count('\n'), 4); // the lone LF became a line break
    QVERIFY(lauf.fehlerText().contains(u"Zeile 2"_s));
    QVERIFY(lauf.fehlerText().contains(u"Zeile 3, Spalte 6"_s));
    QVERIFY(!lauf.fehlerText().contains(u"Zeile 1"_s));
}

void TestWerkzeug::pruefen()
{
    const QByteArray text = "# K\n"
                            "doppelt\n"
                            "doppelt\n"
                            "[doppelt\n"
                            "[\n"
                            "]w\n"
                            "\n" +
                            QByteArray(161, 'x') + "\n" + QByteArray(160, 'y') + "\n";
    QCOMPARE(ausfuehren({u"pack"_s, u"-"_s, archiv()}, text).status, 0);
    const Lauf lauf = ausfuehren({u"check"_s, archiv()});
    QCOMPARE(lauf.status, 0);
    const QString bericht = QString::fromUtf8(lauf.aus);
    for (const QString &zeile :
         {u"Zeilen: 9"_s, u"Kommentare: 1"_s, u"Einträge SMS-Datenbank: 5"_s,
          u"Einträge Dumm-Anmach-Sprüche: 2"_s, u"Einträge Weicheier: 1"_s, u"Leere Einträge: 2"_s,
          u"Doppelte Einträge: 1"_s, u"Einträge über 160 Zeichen: 1"_s,
          u"Zeile 3: doppelt (wie Zeile 2): doppelt"_s, u"Zeile 8: 161 Zeichen"_s}) {
        QVERIFY2(bericht.contains(zeile + u'\n'), qPrintable(zeile + u" fehlt in:\n"_s + bericht));
    }

    QCOMPARE(ausfuehren({u"check"_s, m_ordner->filePath(u"fehlt"_s)}).status, 1);
    QCOMPARE(ausfuehren({u"check"_s, m_ordner->path()}).status, 1);
}

void TestWerkzeug::suchen_data()
{
    QTest::addColumn<QStringList>("optionen");
    QTest::addColumn<QByteArray>("aus");
    QTest::addColumn<QString>("meldung");
    QTest::newRow("Begriff") << QStringList{u"liebe"_s}
                             << QByteArray("Liebe ist süß – 5 € für dich\n")
                             << u"Ein Eintrag gefunden!"_s;
    QTest::newRow("ohne Begriff: alle, sortiert")
        << QStringList{}
        << QByteArray("\n  Rand  \nHerzlichen Glückwunsch!\nLiebe ist süß – 5 € für dich\n")
        << u"4 gefundene Einträge!"_s;
    QTest::newRow("Bereich 1 mit NUL")
        << QStringList{u"--area"_s, u"1"_s, u"-0"_s}
        << QByteArray("Anmache eins\0Anmache zwei\0", 26) << u"2 gefundene Einträge!"_s;
    QTest::newRow("Bereich 2, Begriff egal")
        << QStringList{u"--area=2"_s, u"nichts"_s} << QByteArray("Weichei\n")
        << u"Ein Eintrag gefunden!"_s;
    QTest::newRow("kein Treffer") << QStringList{u"Zebra"_s} << QByteArray()
                                  << u"Keine Einträge gefunden!"_s;
    QTest::newRow("offene Klammer")
        << QStringList{u"["_s} << QByteArray() << u"Keine Einträge gefunden!"_s;
    QTest::newRow("Begriff nach --")
        << QStringList{u"--"_s, u"-0"_s} << QByteArray() << u"Keine Einträge gefunden!"_s;
}

void TestWerkzeug::suchen()
{
    QFETCH(QStringList, optionen);
    QFETCH(QByteArray, aus);
    QFETCH(QString, meldung);
    const Lauf lauf = ausfuehren(QStringList{u"search"_s, u"--archive"_s, archiv()} + optionen);
    QCOMPARE(lauf.status, 0);
    QCOMPARE(lauf.aus, aus);
    QCOMPARE(lauf.letzteFehlerzeile(), meldung);
}

void TestWerkzeug::kategorie()
{
    const Lauf liste = ausfuehren({u"category"_s, u"--list"_s});
    QCOMPARE(liste.status, 0);
    QCOMPARE(liste.aus.count('\n'), 9);
    QVERIFY(liste.aus.startsWith("Alkohol & Co.\nFrauen\nFreunschaften\n"));

    const Lauf liebe = ausfuehren({u"category"_s, u"--archive"_s, archiv(), u"Liebe"_s});
    QCOMPARE(liebe.status, 0);
    QCOMPARE(liebe.aus, QByteArray("Liebe ist süß – 5 € für dich\n"));
    QCOMPARE(liebe.letzteFehlerzeile(), u"Ein Eintrag gefunden!"_s);

    const Lauf fehlt =
        ausfuehren({u"category"_s, u"--archive"_s, m_ordner->filePath(u"fehlt"_s), u"Liebe"_s});
    QCOMPARE(fehlt.status, 1);
    QVERIFY(fehlt.aus.isEmpty());
}

void TestWerkzeug::versautNachfrage_data()
{
    QTest::addColumn<QStringList>("optionen");
    QTest::addColumn<bool>("terminal");
    QTest::addColumn<QByteArray>("antwort");
    QTest::addColumn<int>("status");
    QTest::newRow("kein Terminal") << QStringList{} << false << QByteArray("ja\n") << 1;
    QTest::newRow("Terminal: ja") << QStringList{} << true << QByteArray("ja\n") << 0;
    QTest::newRow("Terminal: J") << QStringList{} << true << QByteArray("J\n") << 0;
    QTest::newRow("Terminal: nein") << QStringList{} << true << QByteArray("nein\n") << 1;
    QTest::newRow("Terminal: nichts") << QStringList{} << true << QByteArray() << 1;
    QTest::newRow("--yes") << QStringList{u"--yes"_s} << false << QByteArray() << 0;
}

void TestWerkzeug::versautNachfrage()
{
    QFETCH(QStringList, optionen);
    QFETCH(bool, terminal);
    QFETCH(QByteArray, antwort);
    QFETCH(int, status);
    const Lauf lauf = ausfuehren(QStringList{u"category"_s, u"--archive"_s, archiv()} + optionen +
                                     QStringList{u"Versaut"_s},
                                 antwort, terminal);
    QCOMPARE(lauf.status, status);
    QCOMPARE(lauf.fehlerText().contains(u"Gürterllinie"_s), optionen.isEmpty());
    if (status == 0)
        QVERIFY(lauf.fehlerText().endsWith(u"Keine Einträge gefunden!\n"_s));
}

void TestWerkzeug::falscheBedienung_data()
{
    QTest::addColumn<QStringList>("argumente");
    QTest::newRow("nichts") << QStringList{};
    QTest::newRow("unbekannter Befehl") << QStringList{u"packen"_s};
    QTest::newRow("pack ohne Ziel") << QStringList{u"pack"_s, u"a"_s};
    QTest::newRow("unpack zu viel") << QStringList{u"unpack"_s, u"a"_s, u"b"_s, u"c"_s};
    QTest::newRow("check zwei Archive") << QStringList{u"check"_s, u"a"_s, u"b"_s};
    QTest::newRow("Bereich 3") << QStringList{u"search"_s, u"--area"_s, u"3"_s};
    QTest::newRow("zwei Begriffe") << QStringList{u"search"_s, u"a"_s, u"b"_s};
    QTest::newRow("unbekannte Option") << QStringList{u"search"_s, u"--bereich"_s};
    QTest::newRow("--archive ohne Datei") << QStringList{u"search"_s, u"--archive"_s};
    QTest::newRow("unbekannte Kategorie") << QStringList{u"category"_s, u"Hunde"_s};
    QTest::newRow("Kategorie fehlt") << QStringList{u"category"_s};
}

void TestWerkzeug::falscheBedienung()
{
    QFETCH(QStringList, argumente);
    const Lauf lauf = ausfuehren(argumente);
    QCOMPARE(lauf.status, 2);
    QVERIFY(lauf.aus.isEmpty());
    QVERIFY(lauf.fehlerText().contains(u"--help"_s));
}

void TestWerkzeug::hilfeUndVersion()
{
    const Lauf version = ausfuehren({u"--version"_s});
    QCOMPARE(version.status, 0);
    QCOMPARE(version.aus, QByteArray("sprho-archiv 2.3.2\n"));
    for (const QStringList &argumente :
         {QStringList{u"--help"_s}, QStringList{u"search"_s, u"--help"_s}}) {
        const Lauf hilfe = ausfuehren(argumente);
        QCOMPARE(hilfe.status, 0);
        QVERIFY(hilfe.aus.contains("pack EINGABE AUSGABE"));
    }
}

QTEST_GUILESS_MAIN(TestWerkzeug)
#include "tst_werkzeug.moc"
