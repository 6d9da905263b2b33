#include "archive/archivzeile.h"
#include "archive/cp1252.h"
#include "archive/zeichen_tausch.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestZeichenTausch : public QObject {
    Q_OBJECT
private slots:
    // Eleven disjoint pairs, each character one an archive line can hold, its own inverse, sparing
    // the line markers and wildcards. Archives depend on the pairs for good, so every pair is
    // pinned.
    void tabelle()
    {
        int getauscht = 0;
        for (char32_t c = 0; c <= 0xFFFF; ++c) {
            const QChar z(static_cast<char16_t>(c));
            QCOMPARE(zeichen_tausch(zeichen_tausch(z)), z);
            getauscht += zeichen_tausch(z) != z;
        }
        QCOMPARE(getauscht, 22);
        QCOMPARE(zeichen_tausch(u"eEiIaAxXyQ\u00FF#[]*?!-"_s), u"NnTtRrY65\u00A7 #[]*?!-"_s);
    }

    void cp1252RundUm()
    {
        // Every byte comes back, the five undefined ones too.
        for (unsigned b = 0; b < 256; ++b) {
            const auto byte = static_cast<unsigned char>(b);
            QVERIFY2(cp1252::kodiere(cp1252::dekodiere(byte)) == byte,
                     qPrintable(QString::number(b)));
        }
        QCOMPARE(cp1252::dekodiere(std::string_view("\x80\xE4\xDF\x9F\x81", 5)), u"€äßŸ\u0081"_s);
        // No C1 control character goes into a line: most would read back as another character
        // (U+0080 as "€"), the rest as an undefined byte.
        QByteArray zeile;
        for (char16_t c = 0x80; c < 0xA0; ++c)
            QVERIFY2(archivzeile(QString(QChar(c)), zeile), qPrintable(QString::number(c, 16)));
    }
};

QTEST_GUILESS_MAIN(TestZeichenTausch)
#include "tst_zeichen_tausch.moc"
