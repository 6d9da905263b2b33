#include "archiv_leser.h"
#include "testarchiv.h"

#include <QBuffer>
#include <QTest>

namespace {

QList<QByteArray> alleZeilen(ArchivLeser &leser)
{
    QList<QByteArray> zeilen;
    while (!leser.amEnde()) {
        std::string_view zeile;
        if (!leser.naechsteZeile(zeile))
            break;
        zeilen.append(QByteArray(zeile.data(), qsizetype(zeile.size())));
    }
    return zeilen;
}

constexpr qsizetype puffer = 64 * 1024; // the reader's buffer size

} // namespace

class TestArchivLeser : public QObject {
    Q_OBJECT
private slots:
    void zeilenenden_data();
    void zeilenenden();
    void fehlendeDateiUndOrdner();
};

void TestArchivLeser::zeilenenden_data()
{
    using Zeilen = QList<QByteArray>;
    QTest::addColumn<QByteArray>("datei");
    QTest::addColumn<Zeilen>("zeilen");

    QTest::newRow("leer") << QByteArray() << Zeilen{};
    QTest::newRow("ohne Abschluss") << QByteArray("abc") << Zeilen{"abc"};
    QTest::newRow("CR LF") << QByteArray("abc\r\n") << Zeilen{"abc"};
    QTest::newRow("einzelnes CR") << QByteArray("a\rb\r") << Zeilen{"a", "b"};
    QTest::newRow("CR dann CR LF") << QByteArray("a\r\r\n") << Zeilen{"a", ""};
    QTest::newRow("LF allein ist Zeichen") << QByteArray("a\nb\nc") << Zeilen{"a\nb\nc"};
    QTest::newRow("LF CR") << QByteArray("a\n\rb") << Zeilen{"a\n", "b"};
    QTest::newRow("Leerzeilen") << QByteArray("\r\n\r\nx") << Zeilen{"", "", "x"};
    QTest::newRow("NUL-Bytes") << QByteArray("a\0b\r\n", 5) << Zeilen{QByteArray("a\0b", 3)};

    // Line ends that straddle the edge of the reader's buffer.
    const QByteArray voll(puffer - 1, 'x');
    QTest::newRow("CR LF über Puffergrenze") << voll + "\r\ny" << Zeilen{voll, "y"};
    QTest::newRow("CR am Pufferende, kein LF") << voll + "\ry" << Zeilen{voll, "y"};
    QTest::newRow("CR am Dateiende nach Puffer") << voll + "\r" << Zeilen{voll};
    const QByteArray lang(3 * puffer + 17, 'z');
    QTest::newRow("Zeile länger als Puffer") << "a\r\n" + lang + "\r\nb" << Zeilen{"a", lang, "b"};
    QTest::newRow("lange Zeile am Ende") << "a\r\n" + lang << Zeilen{"a", lang};
}

void TestArchivLeser::zeilenenden()
{
    QFETCH(QByteArray, datei);
    QFETCH(QList<QByteArray>, zeilen);

    Testarchiv archiv;
    archiv.schreibenRoh(datei);
    ArchivLeser ausDatei(archiv.pfad());
    QVERIFY(ausDatei.oeffnen());
    QCOMPARE(alleZeilen(ausDatei), zeilen);

    QBuffer geraet(&datei);
    QVERIFY(geraet.open(QIODevice::ReadOnly));
    ArchivLeser ausGeraet(geraet);
    QVERIFY(ausGeraet.oeffnen());
    QCOMPARE(alleZeilen(ausGeraet), zeilen);
}

void TestArchivLeser::fehlendeDateiUndOrdner()
{
    Testarchiv archiv;
    ArchivLeser fehlt(archiv.pfad());
    QVERIFY(!fehlt.oeffnen());
    QVERIFY(!fehlt.fehler().isEmpty());

    ArchivLeser ordner(archiv.ordner());
    QVERIFY(!ordner.oeffnen());
    QVERIFY(!ordner.fehler().isEmpty());
}

QTEST_GUILESS_MAIN(TestArchivLeser)
#include "tst_archiv_leser.moc"
