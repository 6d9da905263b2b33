#include "tests/testarchiv.h"

#include <QFile>
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
        // Enough blocks for the helper to read ahead: lines of every length, some longer than the
        // room in front of its pieces, one longer than a piece, CR LF cut by many of their edges.
        Zeilen viele;
        QByteArray datei;
        for (int i = 0; datei.size() < 6 * qsizetype(ArchivLeser::blockgroesse); ++i) {
            const qsizetype laenge = i % 500 == 7 ? qsizetype(ArchivLeser::vorraum) + i
                                     : i == 3000  ? 2 * qsizetype(ArchivLeser::blockgroesse)
                                                  : i * 7919 % 211;
            viele.append(QByteArray(laenge, char('a' + i % 26)));
            datei += viele.last() + (i % 3 ? "\r\n" : "\r");
        }
        QTest::newRow("viele Blöcke, vorausgelesen") << datei << viele;
        QTest::newRow("Dateiende nach CR, vorausgelesen") << datei + "x\r" << viele + Zeilen{"x"};
    }

    // Line by line and block by block, from a file and from a device that hands out a few bytes per
    // read: always the same lines.
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
            const auto neu = [&] {
                return jeLesen ? std::make_unique<ArchivLeser>(
                                     std::make_unique<Fehlgeraet>(datei, -1, jeLesen))
                               : std::make_unique<ArchivLeser>(pfad);
            };
            const auto leser = neu(), bloecke = neu();
            QVERIFY(leser->oeffnen() && bloecke->oeffnen());
            leser->vorauslesenErlauben(
                ArchivLeser::Vorauslesen::Immer); // the blocks are read without the helper
            QList<QByteArray> gelesen;
            std::string_view zeile;
            while (leser->naechsteZeile(zeile))
                gelesen.append(QByteArray(zeile.data(), qsizetype(zeile.size())));
            QCOMPARE(gelesen, zeilen);
            QVERIFY(!leser->fehlgeschlagen());
            QCOMPARE(leser->liestVoraus(), datei.size() > 2 * qsizetype(ArchivLeser::blockgroesse));

            // Blocks hold whole lines and, end to end, the whole file.
            QByteArray alles;
            std::string_view block;
            while (bloecke->naechsterBlock(block)) {
                const QByteArray b(block.data(), qsizetype(block.size()));
                QVERIFY(b.endsWith('\r') || b.endsWith("\r\n") ||
                        alles.size() + b.size() == datei.size());
                alles += b;
            }
            QCOMPARE(alles, datei);
        }
    }

    // A read that fails half way, while the helper reads ahead or not: the bytes before it in
    // whole lines, then the error, never an end of file.
    void lesefehler()
    {
        const QByteArray datei =
            QByteArray("abc\r\n").repeated(qsizetype(ArchivLeser::blockgroesse));
        for (const qint64 jeLesen : {qint64(4093), qint64(1) << 30}) {
            for (const bool voraus : {false, true}) {
                Fehlgeraet geraet(datei, datei.size() / 2 + 1, jeLesen);
                ArchivLeser leser(geraet);
                QVERIFY(leser.oeffnen());
                if (voraus)
                    leser.vorauslesenErlauben(ArchivLeser::Vorauslesen::Immer);
                QByteArray alles;
                std::string_view block;
                while (leser.naechsterBlock(block))
                    alles += QByteArray(block.data(), qsizetype(block.size()));
                QVERIFY(leser.fehlgeschlagen());
                QCOMPARE(leser.fehler(), QStringLiteral("Eingabe-/Ausgabefehler"));
                QVERIFY(alles.size() <= datei.size() / 2 && datei.startsWith(alles));
                QVERIFY(alles.endsWith("\r\n"));
                QCOMPARE(leser.liestVoraus(), voraus);
            }
        }
    }

    // A file cut short while the helper reads it: what was read before, or an error; the bytes
    // handed out are the file's as it was, in order.
    void gekuerzt()
    {
        QTemporaryDir ordner;
        const QString pfad = ordner.filePath(QStringLiteral("sprho.dat"));
        const QByteArray datei =
            QByteArray("Zeile\r\n").repeated(qsizetype(ArchivLeser::blockgroesse));
        schreiben(pfad, datei);
        ArchivLeser leser(pfad);
        QVERIFY(leser.oeffnen());
        leser.vorauslesenErlauben(ArchivLeser::Vorauslesen::Immer);
        QByteArray alles;
        std::string_view block;
        while (leser.naechsterBlock(block)) {
            alles += QByteArray(block.data(), qsizetype(block.size()));
            if (alles.size() > datei.size() / 4)
                QVERIFY(QFile::resize(pfad, datei.size() / 3));
        }
        QVERIFY(leser.liestVoraus());
        QVERIFY(datei.startsWith(alles));
        QVERIFY(alles.size() < datei.size());
    }
};

QTEST_GUILESS_MAIN(TestArchivLeser)
#include "tst_archiv_leser.moc"
