#include "tests/testarchiv.h"

#include <QTemporaryDir>
#include <QTest>

class TestArchivLeser : public QObject {
    Q_OBJECT
private slots:
    void zeilenenden_data()
    {
        using Zeilen = QList<QByteArray>;
        QTest::addColumn<QByteArray>("datei");
        QTest::addColumn<Zeilen>("zeilen");
        // fuzz_archiv_leser splits any bytes into lines; these are read a few bytes at a time too.
        QTest::newRow("CR LF, einzelnes CR, CR dann CR LF")
            << QByteArray("a\r\nb\rc\r\r\nd") << Zeilen{"a", "b", "c", "", "d"};
        QTest::newRow("LF allein ist ein Zeichen")
            << QByteArray("a\nb\n\rc") << Zeilen{"a\nb\n", "c"};
        // Line ends right at the edge of a block, and lines longer than one.
        const QByteArray voll(qsizetype(ArchivLeser::blockgroesse) - 1, 'x');
        QTest::newRow("CR LF über die Blockgrenze") << voll + "\r\ny" << Zeilen{voll, "y"};
        QTest::newRow("CR am Blockende, kein LF") << voll + "\ry" << Zeilen{voll, "y"};
        const QByteArray lang(3 * qsizetype(ArchivLeser::blockgroesse) + 17, 'z');
        QTest::newRow("länger als ein Block") << "a\r\n" + lang + "\r\nb" << Zeilen{"a", lang, "b"};
    }

    // From a file and from a device that hands out a few bytes per read: always the same lines.
    // The blocks beneath are checked by the block scan (tst_puffersuche) and add's exact copy.
    void zeilenenden()
    {
        QFETCH(QByteArray, datei);
        QFETCH(QList<QByteArray>, zeilen);
        QTemporaryDir ordner;
        const QString pfad = ordner.filePath(QStringLiteral("sprho.dat"));
        schreiben(pfad, datei);
        for (const qint64 jeLesen : {0, 1, 7, 4093}) {
            if (jeLesen > 0 && jeLesen < 100 && datei.size() > 4096)
                continue; // byte by byte through a megabyte takes long and finds nothing new
            const auto leser = jeLesen ? std::make_unique<ArchivLeser>(
                                             std::make_unique<Fehlgeraet>(datei, -1, jeLesen))
                                       : std::make_unique<ArchivLeser>(pfad);
            QVERIFY(leser->oeffnen());
            QList<QByteArray> gelesen;
            std::string_view zeile;
            while (leser->naechsteZeile(zeile))
                gelesen.append(QByteArray(zeile.data(), qsizetype(zeile.size())));
            QCOMPARE(gelesen, zeilen);
            QVERIFY(!leser->fehlgeschlagen());
        }
    }
};

QTEST_GUILESS_MAIN(TestArchivLeser)
#include "tst_archiv_leser.moc"
