#include "archive/archiv_leser.h"
#include "tests/engine/testarchiv.h"

#include <QTest>

class TestArchivLeser : public QObject {
    Q_OBJECT
private slots:
    void zeilenenden_data();
    void zeilenenden();
    void keineDatei();
};

void TestArchivLeser::zeilenenden_data()
{
    using Zeilen = QList<QByteArray>;
    QTest::addColumn<QByteArray>("datei");
    QTest::addColumn<Zeilen>("zeilen");
    QTest::newRow("leer") << QByteArray() << Zeilen{};
    QTest::newRow("ohne Abschluss") << QByteArray("abc") << Zeilen{"abc"};
    QTest::newRow("CR LF, einzelnes CR") << QByteArray("a\r\nb\rc\r") << Zeilen{"a", "b", "c"};
    QTest::newRow("CR dann CR LF") << QByteArray("a\r\r\n") << Zeilen{"a", ""};
    QTest::newRow("LF allein ist ein Zeichen") << QByteArray("a\nb\n\rc") << Zeilen{"a\nb\n", "c"};
    QTest::newRow("NUL-Bytes") << QByteArray("a\0b\r\n", 5) << Zeilen{QByteArray("a\0b", 3)};
    // The reader fills a 64 KiB buffer: line ends right at its edge, and lines
    // longer than it.
    const QByteArray voll(64 * 1024 - 1, 'x');
    QTest::newRow("CR LF über die Puffergrenze") << voll + "\r\ny" << Zeilen{voll, "y"};
    QTest::newRow("CR am Pufferende, kein LF") << voll + "\ry" << Zeilen{voll, "y"};
    const QByteArray lang(3 * 64 * 1024 + 17, 'z');
    QTest::newRow("länger als der Puffer") << "a\r\n" + lang + "\r\nb" << Zeilen{"a", lang, "b"};
}

void TestArchivLeser::zeilenenden()
{
    QFETCH(QByteArray, datei);
    QFETCH(QList<QByteArray>, zeilen);
    Testarchiv archiv;
    archiv.schreibenRoh(datei);
    ArchivLeser leser(archiv.pfad());
    QVERIFY(leser.oeffnen());
    QList<QByteArray> gelesen;
    std::string_view zeile;
    while (leser.naechsteZeile(zeile))
        gelesen.append(QByteArray(zeile.data(), qsizetype(zeile.size())));
    QCOMPARE(gelesen, zeilen);
    QVERIFY(!leser.fehlgeschlagen());
}

void TestArchivLeser::keineDatei()
{
    Testarchiv archiv;
    for (const QString &pfad : {archiv.pfad(), archiv.ordner()}) { // missing, a folder
        ArchivLeser leser(pfad);
        QVERIFY(!leser.oeffnen());
        QVERIFY(!leser.fehler().isEmpty());
    }
}

QTEST_GUILESS_MAIN(TestArchivLeser)
#include "tst_archiv_leser.moc"
