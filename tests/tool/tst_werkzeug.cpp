#include "tests/testarchiv.h"
#include "tools/werkzeug.h"

#include <QBuffer>
#include <QDir>
#include <QRegularExpression>
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
                Suchmaschine::Geraeteoeffner archiv = {}, QIODevice *eingabeGeraet = nullptr,
                QIODevice *ausgabeGeraet = nullptr)
{
    Lauf lauf;
    QByteArray fehler;
    QBuffer ein(&eingabe), aus(&lauf.aus), fehlerGeraet(&fehler);
    ein.open(QIODevice::ReadOnly);
    aus.open(QIODevice::WriteOnly);
    fehlerGeraet.open(QIODevice::WriteOnly);
    Kanaele k{eingabeGeraet ? *eingabeGeraet : ein, ausgabeGeraet ? *ausgabeGeraet : aus,
              fehlerGeraet, terminal, std::move(archiv)};
    lauf.status = sprhoArchiv(argumente, k);
    lauf.fehler = QString::fromUtf8(fehler);
    return lauf;
}

// Holds no entry of area 2.
const QByteArray beispiel = "# Kommentar mit Liebe\nLiebe ist süß – 5 € für dich\n\n"
                            "  Rand  \n[Anmache eins\n[Anmache zwei\n";
const QByteArray liebe = "Liebe ist süß – 5 € für dich\n";

// Standard input that, when first read (the output is open by then), puts a folder where the
// finished output is to be renamed to.
class OrdnerImWeg : public QBuffer {
public:
    OrdnerImWeg(const QByteArray &daten, const QString &ordner) : m_ordner(ordner)
    {
        setData(daten);
        open(QIODevice::ReadOnly);
    }

protected:
    qint64 readData(char *ziel, qint64 hoechstens) override
    {
        if (!m_ordner.isEmpty())
            QDir().mkdir(std::exchange(m_ordner, {}));
        return QBuffer::readData(ziel, hoechstens);
    }

private:
    QString m_ordner;
};

// A row of the table of runs, named after its subcommand first.
void zeile(const char *name, const QString &argumente, const QByteArray &eingabe, int status,
           const QByteArray &aus, const QString &meldung)
{
    const QString befehl = argumente.section(u' ', 0, 0);
    QTest::addRow("%s: %s", befehl.isEmpty() ? "sprho-archiv" : qPrintable(befehl), name)
        << argumente.split(u' ', Qt::SkipEmptyParts) << eingabe << status << aus << meldung;
}

// Wrong usage: exit status 2, the message and the pointer to the help, nothing else.
void falsch(const char *name, const QString &argumente, const QString &meldung)
{
    zeile(name, argumente, {}, 2, {},
          u"sprho-archiv: "_s + meldung + u"\n„sprho-archiv --help“ zeigt die Bedienung.\n"_s);
}

} // namespace

class TestWerkzeug : public QObject {
    Q_OBJECT
private slots:
    // Each test runs in a folder of its own that holds the example as sprho.dat.
    void init()
    {
        m_ordner = std::make_unique<QTemporaryDir>();
        QVERIFY(QDir::setCurrent(m_ordner->path()));
        QCOMPARE(ausfuehren({u"pack"_s, u"-"_s, u"sprho.dat"_s}, beispiel).status, 0);
    }

    // Each row one run: its exit status, standard output, and what standard error holds (after a
    // success: ends with; after wrong usage: exactly the message and the pointer to the help).
    // "--terminal" among the arguments: standard input is a terminal.
    void aufruf_data()
    {
        QTest::addColumn<QStringList>("argumente");
        QTest::addColumn<QByteArray>("eingabe");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("aus");
        QTest::addColumn<QString>("meldung");
        // A refused pack names the place and leaves an existing output as it was.
        zeile("nicht in Windows-1252", u"pack - sprho.dat"_s, "gut\nab \xE4\xB8\xAD\n", 1, {},
              u"Zeile 2, Spalte 4: U+4E2D"_s);
        zeile("CR in der Zeile", u"pack - -"_s, "a\rb\n", 1, {}, u"Zeile 1, Spalte 2"_s);
        zeile("ungültiges UTF-8, mit Rat", u"pack - -"_s, "ab\xFF", 1, {},
              u"Zeile 1, Spalte 3: ungültiges UTF-8 (--encoding windows-1252"_s);
        zeile("Emoji ist ein Zeichen", u"pack - -"_s, "x\xF0\x9F\x98\x80y\xE4\xB8\xAD", 1, {},
              u"Spalte 2: U+1F600"_s);
        // Fortune files: what cannot be read as one is refused, naming file and place.
        zeile("fortune: %%", u"pack --format fortune - sprho.dat"_s, "a\n%%\nb\n", 1, {},
              u"„-“, Zeile 2: „%%“ ist kein Trenner"_s);
        zeile("fortune: binär", u"pack --format fortune - sprho.dat"_s,
              QByteArray("\x7F"
                         "ELF\x02\x01\x00\x00",
                         8),
              1, {}, u"NUL-Byte"_s);
        zeile("fortune: leer", u"pack --format fortune - sprho.dat"_s, {}, 1, {},
              u"„-“ enthält keinen Eintrag"_s);
        zeile("fortune: Marke ohne --skip", u"pack --format fortune - sprho.dat"_s,
              "a\n%\n\n  # b\n", 1, {}, u"Eintrag 2 (Zeile 4), beginnt mit „#“"_s);
        // Read as they are meant: a byte order mark, CR LF, a "%" first, Unicode's white space.
        const QString gepacktMeldung =
            u"sprho-archiv: Einträge geschrieben: %1, ausgelassen: %2, Zeichen ersetzt: %3\n"_s;
        zeile("fortune: BOM, CR LF, % zuerst", u"pack --format fortune - -"_s,
              "\xEF\xBB\xBF%\r\n  Hallo \xC2\xA0\r\n\r\n Welt\r\n%\r\n%\r\nZwei\r\n", 0,
              gepackt({u"Hallo Welt"_s, u"Zwei"_s}), gepacktMeldung.arg(2).arg(0).arg(0));
        zeile("fortune: --skip", u"pack --format fortune --skip - -"_s, "#x\n%\n[y\n%\nz ]", 0,
              gepackt({u"z ]"_s}), gepacktMeldung.arg(1).arg(2).arg(0));
        zeile("fortune: --area 2", u"pack --format=fortune --area 2 - -"_s, "#x\n%\ny", 0,
              gepackt({u"]#x"_s, u"]y"_s}), gepacktMeldung.arg(2).arg(0).arg(0));
        zeile("--encoding windows-1252", u"pack --encoding windows-1252 - -"_s,
              "# K\nGr\xFC\xDF\x80 \x81", 1, {}, u"Zeile 2, Spalte 7: U+0081"_s);
        zeile("--encoding windows-1252 --replace", u"pack --encoding=Windows-1252 --replace - -"_s,
              "# K\nGr\xFC\xDF\x80", 0, gepackt({u"# K"_s, u"Grüß€"_s}),
              gepacktMeldung.arg(1).arg(0).arg(0));
        zeile("--replace", u"pack --replace - -"_s,
              "A\xE2\x80\x95"
              "B \xC5\x91 \xD0\x96\ne\xCC\x81 \xF0\x9F\x98\x80 \xC2\x92",
              0, gepackt({u"A-B o Ž"_s, u"é ? ?"_s}),
              gepacktMeldung.arg(2).arg(0).arg(
                  u"5 (Zeile 1: „―“ (U+2015) → „-“; Zeile 1: „ő“ (U+0151) → „o“; "
                  u"Zeile 1: „Ж“ (U+0416) → „Ž“; …)"_s));
        zeile("in einen Ordner", u"pack - ."_s, beispiel, 1, {}, u"„.“ ist ein Ordner"_s);
        zeile("Ordner fehlt", u"pack - fehlt/x.dat"_s, beispiel, 1, {},
              u"„fehlt/x.dat“ kann nicht geschrieben werden"_s);
        falsch("ohne Befehl", {}, u"kein Befehl angegeben"_s);
        falsch("Befehl unbekannt", u"packen"_s, u"unbekannter Befehl „packen“"_s);
        falsch("ohne AUSGABE", u"pack a"_s, u"pack erwartet EINGABE und AUSGABE"_s);
        falsch("- zweimal", u"pack - - x"_s, u"„-“ (Standardeingabe) darf nur einmal stehen"_s);
        falsch("--area ohne fortune", u"pack --area 1 a b"_s,
               u"--area gilt nur mit --format fortune"_s);
        falsch("--format unbekannt", u"pack --format=zeilen a b"_s,
               u"--format erwartet lines oder fortune"_s);
        falsch("--encoding unbekannt", u"pack --encoding latin1 a b"_s,
               u"--encoding erwartet utf-8 oder windows-1252"_s);
        falsch("ohne AUSGABE", u"unpack"_s, u"unpack erwartet [ARCHIV] AUSGABE"_s);
        zeile("Archiv fehlt", u"check --archive fehlt"_s, {}, 1, {},
              u"„fehlt“ kann nicht gelesen werden"_s);
        zeile("Ordner", u"check ."_s, {}, 1, {},
              u"„.“ kann nicht gelesen werden: ist keine gewöhnliche Datei"_s);
        falsch("--archive und noch eins", u"check --archive a b"_s,
               u"check erwartet höchstens ein ARCHIV"_s);
        // search and category: the listed texts in the list's order, the count message last.
        zeile("ohne Begriff, sortiert", u"search"_s, {}, 0, "\n  Rand  \n" + liebe,
              u"3 gefundene Einträge!\n"_s);
        zeile("Bereich 1, NUL", u"search --area=1 -0 x"_s, {}, 0,
              QByteArray("Anmache eins\0Anmache zwei\0", 26), u"2 gefundene Einträge!\n"_s);
        zeile("Bereich 2", u"search --area 2"_s, {}, 0, {}, u"Keine Einträge gefunden!\n"_s);
        zeile("Begriff nach --", u"search -- --help"_s, {}, 0, {}, u"Keine Einträge gefunden!\n"_s);
        falsch("Bereich 3", u"search --area 3"_s, u"--area erwartet 0, 1 oder 2"_s);
        falsch("zwei Begriffe", u"search a b"_s,
               u"nur ein Suchbegriff erlaubt (mit Leerzeichen in Anführungszeichen)"_s);
        falsch("--archive ohne Datei", u"search --all --archive"_s,
               u"--archive braucht eine Datei"_s);
        falsch("--archive= leer", u"search --archive="_s, u"--archive braucht eine Datei"_s);
        zeile("Liebe", u"category Liebe"_s, {}, 0, liebe, u"Ein Eintrag gefunden!\n"_s);
        zeile("Versaut mit --yes", u"category --yes Versaut"_s, {}, 0, {},
              u"Keine Einträge gefunden!\n"_s);
        zeile("Versaut am Terminal: ja", u"category Versaut --terminal"_s, "J\n", 0, {},
              u"Keine Einträge gefunden!\n"_s);
        zeile("Versaut am Terminal: nein", u"category Versaut --terminal"_s, "nein\n", 1, {},
              u"abgelehnt"_s);
        falsch("Vorschlag", u"category Freundschaften"_s,
               u"unbekannte Kategorie „Freundschaften“; meinten Sie „Freunschaften“? "
               u"(--list zeigt alle)"_s);
        falsch("zu weit für einen Vorschlag", u"category Hunde"_s,
               u"unbekannte Kategorie „Hunde“ (--list zeigt alle)"_s);
        falsch("ohne NAMEN", u"category"_s, u"category erwartet einen NAMEN oder --list"_s);
        zeile("aus Versaut ohne Terminal: abgelehnt", u"random --category Versaut"_s, "ja\n", 1, {},
              u"--yes"_s);
        zeile("Kategorie ohne Treffer", u"random --category Weihnachten"_s, {}, 1, {},
              u"keine Einträge"_s);
        zeile("Bereich leer", u"random --area 2"_s, {}, 1, {}, u"keine Einträge in Bereich 2"_s);
        zeile("Archiv fehlt, kein Suchlauf", u"random --archive fehlt"_s, {}, 1, {},
              u"„fehlt“ kann nicht gelesen werden"_s);
        falsch("Vorschlag", u"random --category=WEIHNACHTEN"_s,
               u"unbekannte Kategorie „WEIHNACHTEN“; meinten Sie „Weihnachten“? "
               u"(„sprho-archiv category --list“ zeigt alle)"_s);
        falsch("--area und --category", u"random --area=1 --category Liebe"_s,
               u"--area und --category schließen einander aus"_s);
        falsch("--seed negativ", u"random --seed -1"_s, u"--seed erwartet eine ganze Zahl ab 0"_s);
        falsch("Option unbekannt", u"random --null=1"_s, u"unbekannte Option „--null=1“"_s);
        falsch("Argument", u"random x"_s, u"random nimmt kein Argument („x“)"_s);
        zeile("Ordner fehlt", u"add --archive fehlt/x.dat a"_s, {}, 1, {}, u"der Ordner „"_s);
        falsch("ohne TEXT", u"add"_s, u"add erwartet mindestens einen TEXT (oder „-“)"_s);
        falsch("- zweimal", u"add - -"_s, u"„-“ (Standardeingabe) darf nur einmal stehen"_s);
    }

    void aufruf()
    {
        QFETCH(QStringList, argumente);
        QFETCH(QByteArray, eingabe);
        QFETCH(int, status);
        QFETCH(QByteArray, aus);
        QFETCH(QString, meldung);
        const bool terminal = argumente.removeAll(u"--terminal"_s) > 0;
        const Lauf lauf = ausfuehren(argumente, eingabe, terminal);
        QCOMPARE(lauf.status, status);
        QCOMPARE(lauf.aus, aus);
        if (status == 2)
            QCOMPARE(lauf.fehler, meldung);
        QVERIFY2(status ? lauf.fehler.contains(meldung) : lauf.fehler.endsWith(meldung),
                 qPrintable(lauf.fehler));
        QCOMPARE(lauf.fehler.contains(u"Gürterllinie"_s),
                 argumente.contains(u"Versaut"_s) && !argumente.contains(u"--yes"_s));
        QCOMPARE(ausfuehren({u"unpack"_s, u"sprho.dat"_s, u"-"_s}).aus, beispiel); // unchanged
        QCOMPARE(QDir::current().entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
                 QStringList{u"sprho.dat"_s}); // no temporary file left behind
    }

    // pack and unpack fail, with the output's message and exit status 1, when the output does not
    // take the result at the very end: standard output refuses the write, a folder stands where
    // the finished file is to be renamed to, or the disk is full.
    void ausgabeScheitert_data()
    {
        QTest::addColumn<QString>("befehl");
        QTest::addColumn<QString>("ziel");
        QTest::addColumn<QString>("meldung");
        for (const QString &befehl : {u"pack"_s, u"unpack"_s}) {
            QTest::addRow("%s: Standardausgabe", qPrintable(befehl))
                << befehl << u"-"_s << u"Standardausgabe: Eingabe-/Ausgabefehler"_s;
            QTest::addRow("%s: Ordner im Weg", qPrintable(befehl))
                << befehl << u"neu"_s << u"„neu“ kann nicht geschrieben werden: "_s;
            QTest::addRow("%s: Platte voll", qPrintable(befehl))
                << befehl << u"/dev/full"_s
                << u"„/dev/full“ kann nicht geschrieben werden: No space left on device"_s;
        }
    }

    void ausgabeScheitert()
    {
        QFETCH(QString, befehl);
        QFETCH(QString, ziel);
        QFETCH(QString, meldung);
        QFile archiv(u"sprho.dat"_s);
        QVERIFY(archiv.open(QIODevice::ReadOnly));
        OrdnerImWeg ein(befehl == u"pack"_s ? beispiel : archiv.readAll(),
                        ziel == u"neu"_s ? ziel : QString());
        Fehlgeraet kaputt({}, 0);
        const Lauf lauf = ausfuehren({befehl, u"-"_s, ziel}, {}, false, {}, &ein,
                                     ziel == u"-"_s ? &kaputt : nullptr);
        QCOMPARE(lauf.status, 1);
        QVERIFY2(lauf.fehler.startsWith(u"sprho-archiv: "_s + meldung) &&
                     lauf.fehler.count(u'\n') == 1,
                 qPrintable(lauf.fehler));
        QCOMPARE(QDir().rmdir(u"neu"_s), ziel == u"neu"_s);
        QCOMPARE(QDir::current().entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
                 QStringList{u"sprho.dat"_s}); // no temporary file left behind
    }

    // unpack names what would not come back unchanged.
    void unpackWarnt()
    {
        const Lauf verlust =
            ausfuehren({u"unpack"_s, u"-"_s, u"-"_s}, "gut\r\nzwei\nteile\r\nbyte \x81 hier\r\n");
        QCOMPARE(verlust.aus.count('\n'), 4);           // the lone LF became a line break ...
        QVERIFY(verlust.fehler.contains(u"Zeile 2"_s)); // ... and says so
        QVERIFY(verlust.fehler.contains(u"Zeile 3, Spalte 6"_s));
        QVERIFY(!verlust.fehler.contains(u"Zeile 1"_s));
    }

    void pruefen()
    {
        const QByteArray text = "# K\ndoppelt\ndoppelt\n[doppelt\n[\n]w\n\n" +
                                QByteArray(161, 'x') + "\n" + QByteArray(160, 'y') + "\n";
        QCOMPARE(ausfuehren({u"pack"_s, u"--force"_s, u"-"_s, archiv()}, text).status, 0);
        const Lauf lauf = ausfuehren({u"check"_s, u"--archive"_s, archiv()});
        QCOMPARE(lauf.status, 0);
        QCOMPARE(QString::fromUtf8(lauf.aus),
                 u"Zeilen: 9\nKommentare: 1\nEinträge SMS-Datenbank: 5\n"
                 u"Einträge Dumm-Anmach-Sprüche: 2\nEinträge Weicheier: 1\nLeere Einträge: 2\n"
                 u"Doppelte Einträge: 1\nEinträge über 160 Zeichen: 1\nZeilen mit einzelnem LF: 0\n"
                 u"Zeilen mit undefinierten Bytes: 0\nZeile 3: doppelt (wie Zeile 2): doppelt\n"
                 u"Zeile 5: leerer Eintrag\nZeile 7: leerer Eintrag\nZeile 8: 161 Zeichen\n"_s);

        // What pack never writes, but an editor can: a lone LF, an undefined byte.
        schreiben(archiv(), "a\nb\r\nc\x81\r\n");
        QVERIFY(
            QString::fromUtf8(ausfuehren({u"check"_s, archiv()}).aus)
                .endsWith(
                    u"Zeilen mit einzelnem LF: 1\nZeilen mit undefinierten Bytes: 1\n"
                    u"Zeile 1: einzelner Zeilenvorschub (LF)\nZeile 2: undefiniertes Byte\n"_s));
    }

    // Ten findings of a kind, then how many more (none for exactly ten); --all shows every one.
    void pruefenKurz()
    {
        schreiben(archiv(), gepackt(QStringList(11, u"["_s) << u"a"_s));
        const QString kurz = QString::fromUtf8(ausfuehren({u"check"_s}).aus);
        QCOMPARE(kurz.count(u"leerer Eintrag"_s), 10);
        QVERIFY(kurz.endsWith(u"Zeile 11: doppelt (wie Zeile 1): \n"
                              u"Leere Einträge: … und 1 weitere (--all zeigt alle)\n"_s));
        const QString alle = QString::fromUtf8(ausfuehren({u"check"_s, u"--all"_s}).aus);
        QCOMPARE(alle.count(u"leerer Eintrag"_s), 11);
        QCOMPARE(alle.count(u"doppelt"_s), 10);
        QVERIFY(!alle.contains(u"weitere"_s));
    }

    // add appends after the bytes already there, once per text and area, or changes nothing.
    void hinzufuegen_data()
    {
        QTest::addColumn<QByteArray>("vorher");
        QTest::addColumn<QStringList>("argumente");
        QTest::addColumn<QByteArray>("eingabe");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("nachher");
        QTest::addColumn<QString>("meldung");
        // Texts are quoted as they are, whatever they hold.
        const QByteArray alt = gepackt({u"# K"_s, u"x%1y%2 %%"_s, u"[zwei"_s});
        QTest::newRow("zwei Texte, einer schon da")
            << alt << QStringList{u"zwei"_s, u"x%1y%2 %%"_s} << QByteArray() << 0
            << alt + gepackt({u"zwei"_s}) << u"„x%1y%2 %%“ steht schon in Bereich 0 und"_s;
        QTest::newRow("Bereich 1, stdin")
            << alt << QStringList{u"--area=1"_s, u"-"_s, u"drei"_s}
            << QByteArray("zwei\r\n\n  \nvier\nvier\n") << 0
            << alt + gepackt({u"[vier"_s, u"[drei"_s}) << u"„zwei“ steht schon in Bereich 1"_s;
        // Longer than a block read at once; the text named first is the very last line, which
        // has no line end of its own.
        QByteArray gross = dreiBloeckeArchiv();
        const QString letzter = u"Eintrag %1"_s.arg(gross.count("\r\n") - 1);
        gross.chop(2);
        QTest::newRow("drei Blöcke, letzte Zeile ohne Ende und schon da")
            << gross << QStringList{u"--area=1"_s, letzter, u"neu"_s} << QByteArray() << 0
            << gross + "\r\n" + gepackt({u"[neu"_s})
            << u"„%1“ steht schon in Bereich 1"_s.arg(letzter);
        // Replaced, the first text is one the archive holds.
        const QByteArray mitFuenf = alt + gepackt({u"Fünf - zhong"_s});
        QTest::newRow("--replace")
            << mitFuenf << QStringList{u"--replace"_s, u"Fünf \u2015 \u4E2D"_s, u"Sechs \u2015"_s}
            << QByteArray() << 0 << mitFuenf + gepackt({u"Sechs -"_s})
            << u"hinzugefügt: 1, Zeichen ersetzt: 3"_s;
        QTest::newRow("--replace, drei gezeigt")
            << alt << QStringList{u"--replace"_s, u"\u2015 \u4E2D \u0151"_s} << QByteArray() << 0
            << alt + gepackt({u"- zhong o"_s})
            << u"Zeichen ersetzt: 3 („― 中 ő“: „―“ (U+2015) → „-“; „― 中 ő“: „中“ (U+4E2D) → "
               u"„zhong“; „― 中 ő“: „ő“ (U+0151) → „o“)\n"_s; // all three, no "…"
        // Refused: the archive stays as it was, also when an earlier text could have gone in.
        const auto abgelehnt = [&alt](const char *name, const QStringList &argumente,
                                      const QByteArray &eingabe, const QString &meldung) {
            QTest::newRow(name) << alt << argumente << eingabe << 1 << alt << meldung;
        };
        abgelehnt("nicht haltbar", {u"gut"_s, u"%2\u4E2D"_s}, {}, u"„%2中“, Spalte 3: U+4E2D"_s);
        abgelehnt("wäre ein Weicheier-Eintrag", {u"]x"_s}, {}, u"beginnt mit „]“"_s);
        abgelehnt("Zeilenumbruch", {u"%1\n%2"_s}, {}, u"„%1\n%2“, ein Eintrag ist eine Zeile"_s);
        abgelehnt("leerer Text", {u" "_s}, {}, u"leerer Text"_s);
        abgelehnt("stdin NUL-Byte", {u"-"_s}, QByteArray("gut\na\0b\n", 9),
                  u"Zeile 2: ein NUL-Byte"_s);
        abgelehnt("stdin kein UTF-8", {u"-"_s}, "gut\n\xFC", u"Zeile 2: ungültiges UTF-8"_s);
    }

    void hinzufuegen()
    {
        QFETCH(QByteArray, vorher);
        QFETCH(QStringList, argumente);
        QFETCH(QByteArray, eingabe);
        QFETCH(int, status);
        QFETCH(QByteArray, nachher);
        QFETCH(QString, meldung);
        schreiben(archiv(), vorher);
        const Lauf lauf =
            ausfuehren(QStringList{u"add"_s, u"--archive"_s, archiv()} + argumente, eingabe);
        QCOMPARE(lauf.status, status);
        QVERIFY2(lauf.fehler.contains(meldung), qPrintable(lauf.fehler));
        QFile datei(archiv());
        QVERIFY(datei.open(QIODevice::ReadOnly));
        QCOMPARE(datei.readAll(), nachher);
        QCOMPARE(QDir::current().entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
                 QStringList{u"sprho.dat"_s}); // no temporary file left behind
    }

    // Several inputs in order, named in messages; an area out as a fortune file.
    void fortune()
    {
        schreiben(u"a.txt"_s, "eins\n%\nzwei\n");
        schreiben(u"b.txt"_s, "drei");
        QCOMPARE(ausfuehren({u"pack"_s, u"--format"_s, u"fortune"_s, u"a.txt"_s, u"-"_s, u"b.txt"_s,
                             u"neu.dat"_s},
                            "vier\n")
                     .status,
                 0);
        QCOMPARE(ausfuehren({u"unpack"_s, u"neu.dat"_s, u"-"_s}).aus, "eins\nzwei\nvier\ndrei\n");
        schreiben(u"c%1.txt"_s, "a\xFF");
        const Lauf falsch = ausfuehren({u"pack"_s, u"a.txt"_s, u"c%1.txt"_s, u"neu.dat"_s});
        QVERIFY2(falsch.status == 1 && falsch.fehler.contains(u"„c%1.txt“, Zeile 1, Spalte 2"_s),
                 qPrintable(falsch.fehler));

        QCOMPARE(ausfuehren({u"unpack"_s, u"--format=fortune"_s, u"--area"_s, u"1"_s, u"-"_s}).aus,
                 "Anmache eins\n%\nAnmache zwei\n%\n");
        // Area 0 holds an empty entry and one with spaces around it: both reported.
        const Lauf haupt =
            ausfuehren({u"unpack"_s, u"--format"_s, u"fortune"_s, u"sprho.dat"_s, u"-"_s});
        QCOMPARE(haupt.aus, "Liebe ist süß – 5 € für dich\n%\n  Rand  \n%\n");
        QVERIFY(haupt.fehler.contains(u"Zeile 3: ein leerer Eintrag"_s));
        QVERIFY(haupt.fehler.contains(u"Zeile 4: der Eintrag kommt"_s));
    }

    // pack and unpack replace an existing output only when no line of it (empty ones aside) is
    // lost, or with --force; a refusal counts the lines, quotes the first as it is, names the ways
    // on and leaves the file. The output is the file "alt", the input standard input.
    void keinVerlust_data()
    {
        QTest::addColumn<QString>("befehl");
        QTest::addColumn<QByteArray>("alt");     // readable lines; packed first for pack
        QTest::addColumn<QByteArray>("eingabe"); // readable lines; packed first for unpack
        QTest::addColumn<QString>("meldung");    // empty: replaced
        QTest::newRow("pack: ein Text kam dazu")
            << u"pack"_s << QByteArray("a\nx%1y%2 %%\n") << QByteArray("a\n")
            << u"1 Zeile darin fehlt im neuen Archiv (zuerst Zeile 2: „x%1y%2 %%“).\n"
               u"„sprho-archiv unpack alt TEXTDATEI“ holt sie"_s;
        QTest::newRow("pack: ein anderes Archiv")
            << u"pack"_s << QByteArray("# K\n[b\nc\n\n") << QByteArray("c\n")
            << u"2 Zeilen darin fehlen"_s;
        QTest::newRow("pack: Reihenfolge, BOM, CR LF, Leerzeilen, Doppelte")
            << u"pack"_s << QByteArray("b\n\na\na\n")
            << QByteArray("\xEF\xBB\xBF"
                          "a\r\nb\r\nc\n")
            << QString();
        QTest::newRow("pack --force")
            << u"pack --force"_s << QByteArray("a\nb\n") << QByteArray("a\n") << QString();
        QTest::newRow("unpack: eine Änderung nicht gepackt")
            << u"unpack"_s << QByteArray("a\r\n%1 neu\n") << QByteArray("a\n")
            << u"1 Zeile darin fehlt im Archiv (zuerst Zeile 2: „%1 neu“).\nin eine neue Datei"_s;
        QTest::newRow("unpack: BOM, CR LF, Leerzeilen") << u"unpack"_s
                                                        << QByteArray("\xEF\xBB\xBF"
                                                                      "a\r\n\r\nb")
                                                        << QByteArray("b\na\nc\n") << QString();
        QTest::newRow("unpack fortune") << u"unpack --format fortune"_s << QByteArray("a\n%\n")
                                        << QByteArray("a\nb\n") << QString();
        QTest::newRow("unpack --force")
            << u"unpack --force"_s << QByteArray("x\n") << QByteArray("a\n") << QString();
    }

    void keinVerlust()
    {
        QFETCH(QString, befehl);
        QFETCH(QByteArray, alt);
        QFETCH(QByteArray, eingabe);
        QFETCH(QString, meldung);
        const bool packen = befehl.startsWith(u"pack"_s);
        const auto gepacktAus = [](const QByteArray &text) {
            return gepackt(QString::fromUtf8(text).split(u'\n').sliced(0, text.count('\n')));
        };
        schreiben(u"alt"_s, packen ? gepacktAus(alt) : alt);
        const QByteArray ein = packen ? eingabe : gepacktAus(eingabe);
        const QStringList argumente = befehl.split(u' ') + QStringList{u"-"_s};
        const Lauf lauf = ausfuehren(argumente + QStringList{u"alt"_s}, ein);
        QFile datei(u"alt"_s);
        QVERIFY(datei.open(QIODevice::ReadOnly));
        if (meldung.isEmpty()) {
            QCOMPARE(lauf.status, 0);
            QCOMPARE(datei.readAll(), ausfuehren(argumente + QStringList{u"-"_s}, ein).aus);
        } else {
            QCOMPARE(lauf.status, 1);
            QCOMPARE(datei.readAll(), packen ? gepacktAus(alt) : alt);
            QVERIFY2(
                lauf.fehler.contains(u"sprho-archiv: „alt“ bleibt unverändert: "_s + meldung) &&
                    lauf.fehler.endsWith(u"; --force ersetzt trotzdem.\n"_s),
                qPrintable(lauf.fehler));
        }
    }

    // search stops at 100 as the window does and says so just before the count; --all lists every
    // hit, in the list's order.
    void sucheAlle()
    {
        QStringList zeilen; // last to first
        for (int i = 149; i >= 0; --i)
            zeilen << u"Treffer %1"_s.arg(i, 3, 10, QChar(u'0'));
        schreiben(archiv(), gepackt(zeilen));
        const Lauf begrenzt = ausfuehren({u"search"_s, u"Treffer"_s});
        QCOMPARE(begrenzt.aus.count('\n'), 100);
        QVERIFY2(begrenzt.fehler.endsWith(u"--all zeigt alle.\n100 gefundene Einträge!\n"_s),
                 qPrintable(begrenzt.fehler));
        const Lauf alle = ausfuehren({u"search"_s, u"--all"_s, u"Treffer"_s});
        std::reverse(zeilen.begin(), zeilen.end());
        QCOMPARE(alle.aus, (zeilen.join(u'\n') + u'\n').toUtf8());
        QCOMPARE(alle.fehler, u"150 gefundene Einträge!\n"_s);
        QCOMPARE(ausfuehren({u"search"_s, u"Treffer 1"_s}).fehler, u"50 gefundene Einträge!\n"_s);
    }

    // Without --archive none found names every place tried, and add starts the user's archive
    // (from nothing, or as a copy of the first archive found), never one in a system folder.
    // Which place comes first is the window's lookup too, tested in tst_form1.
    void archivsuche()
    {
        const QString ordner = m_ordner->path();
        QVERIFY(QDir(ordner).mkpath(u"leer"_s) && QDir::setCurrent(ordner + u"/leer"_s));
        qputenv("XDG_DATA_HOME", (ordner + u"/benutzer"_s).toUtf8());
        qputenv("XDG_DATA_DIRS", (ordner + u"/a:relativ:"_s + ordner + u"/b"_s).toUtf8());
        const QStringList orte{u"sprho.dat"_s, ordner + u"/benutzer/spruchhort/sprho.dat"_s,
                               ordner + u"/a/spruchhort/sprho.dat"_s,
                               ordner + u"/b/spruchhort/sprho.dat"_s};
        const Lauf keins = ausfuehren({u"random"_s});
        QCOMPARE(keins.status, 1);
        QVERIFY2(keins.fehler.contains(orte.join(u", "_s)), qPrintable(keins.fehler));
        QVERIFY(!ausfuehren({u"add"_s, u"erster"_s}).fehler.contains(u"Kopie"_s)); // from nothing
        QCOMPARE(ausfuehren({u"unpack"_s, orte[1], u"-"_s}).aus, "erster\n");
        QVERIFY(QFile::remove(orte[1]));
        for (const qsizetype i : {2, 3}) {
            QVERIFY(QDir().mkpath(QFileInfo(orte[i]).path()));
            schreiben(orte[i], gepackt({u"[Archiv %1"_s.arg(i)}));
        }
        QVERIFY(ausfuehren({u"add"_s, u"neu"_s})
                    .fehler.startsWith(u"sprho-archiv: „%1“ angelegt als Kopie von „%2“\n"_s.arg(
                        orte[1], orte[2])));
        QCOMPARE(ausfuehren({u"unpack"_s, orte[1], u"-"_s}).aus, "[Archiv 2\nneu\n");
        QCOMPARE(ausfuehren({u"check"_s}).aus, ausfuehren({u"check"_s, orte[1]}).aus);
        qunsetenv("XDG_DATA_HOME");
        qunsetenv("XDG_DATA_DIRS");
    }

    // A read that fails anywhere fails search, category and unpack: a message, exit 1 and
    // nothing listed or written.
    void leseFehler()
    {
        const QByteArray daten = dreiBloeckeArchiv();
        for (const auto &stelle : fehlerstellen(daten)) {
            Fehlgeraet ein(daten, stelle.second);
            const Lauf entpackt = ausfuehren({u"unpack"_s, u"-"_s, u"-"_s}, {}, false, {}, &ein);
            QVERIFY2(entpackt.status == 1 && entpackt.aus.isEmpty(), stelle.first);
            for (const QString &befehl :
                 {u"search --area 1"_s, u"search --all x"_s, u"category --yes Liebe"_s,
                  u"add --archive sprho.dat neu"_s}) {
                const Lauf lauf = ausfuehren(befehl.split(u' '), {}, false, [&] {
                    return std::make_unique<Fehlgeraet>(daten, stelle.second);
                });
                QVERIFY2(lauf.status == 1 && lauf.aus.isEmpty() &&
                             lauf.fehler.contains(befehl.startsWith(u"add"_s)
                                                      ? u"Eingabe-/Ausgabefehler"_s
                                                      : u"Suchlauf fehlgeschlagen"_s),
                         qPrintable(befehl + u", "_s + QLatin1StringView(stelle.first)));
            }
            // add read nothing whole, so it wrote nothing.
            QCOMPARE(ausfuehren({u"unpack"_s, u"sprho.dat"_s, u"-"_s}).aus, beispiel);
        }
    }

    // random over fixed seeds: only what the area or the category search holds, each equally often.
    void zufall_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QStringList>("argumente");
        QTest::addColumn<QStringList>("moeglich");
        const auto zeile = [](const char *name, const QByteArray &text, const QString &argumente,
                              const QString &moeglich) {
            QTest::newRow(name) << text << argumente.split(u' ', Qt::SkipEmptyParts)
                                << moeglich.split(u'|');
        };
        const QByteArray gemischt = "# A\nA\n[eins\nB\n]w1\n\n[zwei\n#[nie\n]w2\nC\n[drei\n";
        zeile("Bereich 0 mit leerem Eintrag", gemischt, {}, u"A|B||C"_s);
        zeile("Bereich 1, NUL", gemischt, u"--area 1 -0"_s, u"eins|zwei|drei"_s);
        zeile("Kategorie", "Liebe a\nb\nsüß c\n[Liebe d\nHimmel e\n", u"--category Liebe"_s,
              u"Himmel e|Liebe a|süß c"_s);
    }

    void zufall()
    {
        QFETCH(QByteArray, text);
        QFETCH(QStringList, argumente);
        QFETCH(QStringList, moeglich);
        QCOMPARE(ausfuehren({u"pack"_s, u"--force"_s, u"-"_s, archiv()}, text).status, 0);
        const QStringList aufruf = QStringList{u"random"_s, u"--archive"_s, archiv()} + argumente;
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
        // Chi-square against equal counts, below its 99.9 % quantile (Wilson-Hilferty): the same on
        // every run with fixed seeds, and far above it when early or late entries are favoured.
        double chiQuadrat = 0;
        for (const int n : anzahl)
            chiQuadrat += (n - erwartet) * (n - erwartet) / double(erwartet);
        const double df = double(moeglich.size() - 1);
        const double grenze = df * std::pow(1 - 2 / (9 * df) + 3.09 * std::sqrt(2 / (9 * df)), 3);
        QVERIFY2(chiQuadrat < grenze, qPrintable(u"%1 >= %2"_s.arg(chiQuadrat).arg(grenze)));
        QCOMPARE(ausfuehren(aufruf + QStringList{u"--seed=1"_s}).aus, ersteWahl);
    }

    // The sample archive shows every path of the program something: no line to complain about, both
    // list-only areas, every category, the hit limit and a chain's early stop.
    void beispielarchiv()
    {
        const QString archiv = QStringLiteral(SPRHO_BEISPIELARCHIV);
        const QRegularExpression bericht(
            u"^Zeilen: \\d+\nKommentare: [1-9]\\d*\nEinträge SMS-Datenbank: ([4-9]\\d\\d|\\d{4,})\n"
            u"Einträge Dumm-Anmach-Sprüche: ([4-9]\\d|\\d{3,})\nEinträge Weicheier: "
            u"([4-9]\\d|\\d{3,})\n"
            u"Leere Einträge: 0\nDoppelte Einträge: 0\nEinträge über 160 Zeichen: 0\n"
            u"Zeilen mit einzelnem LF: 0\nZeilen mit undefinierten Bytes: 0\n$"_s);
        const QString text = QString::fromUtf8(ausfuehren({u"check"_s, archiv}).aus);
        QVERIFY2(bericht.match(text).hasMatch(), qPrintable(text));
        const QStringList namen = QString::fromUtf8(ausfuehren({u"category"_s, u"--list"_s}).aus)
                                      .split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(namen.size(), 9);
        qsizetype groesste = 0;
        for (const QString &name : namen) {
            const QStringList aufruf{u"category"_s, u"--yes"_s, u"--archive"_s, archiv, name};
            const qsizetype n = ausfuehren(aufruf).aus.count('\n');
            QVERIFY2(n >= 10, qPrintable(name));
            groesste = std::max(groesste, n);
        }
        QVERIFY(groesste >= 100); // one chain stops early
        QVERIFY(ausfuehren({u"search"_s, u"--archive"_s, archiv, u"liebe"_s})
                    .fehler.endsWith(u"100 gefundene Einträge!\n"_s));
    }

private:
    QString archiv() const { return m_ordner->filePath(u"sprho.dat"_s); }
    std::unique_ptr<QTemporaryDir> m_ordner;
};

QTEST_GUILESS_MAIN(TestWerkzeug)
#include "tst_werkzeug.moc"
