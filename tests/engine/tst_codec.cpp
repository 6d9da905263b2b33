#include "archivzeile.h"
#include "cp1252.h"
#include "zeichen_tausch.h"

#include <QRandomGenerator>
#include <QSet>
#include <QTest>

using namespace Qt::StringLiterals;

class TestCodec : public QObject {
    Q_OBJECT
private slots:
    void tauschIstSelbstinvers();
    void tauschTabelle();
    void tauschFaelle_data();
    void tauschFaelle();
    void cp1252RundUm();
    void cp1252Sonderfaelle();
    void archivzeileMeldetSpalte_data();
    void archivzeileMeldetSpalte();
};

void TestCodec::tauschIstSelbstinvers()
{
    for (char32_t c = 0; c <= 0xFFFF; ++c) {
        const QChar z(static_cast<char16_t>(c));
        QCOMPARE(zeichen_tausch(zeichen_tausch(z)), z);
    }
    auto *zufall = QRandomGenerator::global();
    for (int i = 0; i < 200; ++i) {
        QString s;
        const int laenge = zufall->bounded(0, 80);
        for (int j = 0; j < laenge; ++j)
            s.append(QChar(static_cast<char16_t>(zufall->bounded(1, 0x300))));
        QCOMPARE(zeichen_tausch(zeichen_tausch(s)), s);
    }
}

// The pairs are fixed for good: every archive depends on them. They must be
// eleven disjoint pairs that an archive line can hold, sparing the markers
// and wildcards.
void TestCodec::tauschTabelle()
{
    QSet<char16_t> getauscht;
    for (char32_t c = 0; c <= 0xFFFF; ++c) {
        const QChar z(static_cast<char16_t>(c));
        if (zeichen_tausch(z) != z)
            getauscht.insert(z.unicode());
    }
    QCOMPARE(getauscht.size(), 22);
    for (const char16_t c : std::as_const(getauscht)) {
        QVERIFY2(cp1252::kodiere(c).has_value(), "a swapped character must fit an archive line");
    }
    for (const char16_t frei : u"#[]*?!-")
        QVERIFY(!getauscht.contains(frei));
    QVERIFY(getauscht.contains(u' '));
    QCOMPARE(zeichen_tausch(u"e"_s), u"N"_s); // fixed forever; archives depend on it
}

void TestCodec::tauschFaelle_data()
{
    QTest::addColumn<QString>("ein");
    QTest::addColumn<QString>("aus");
    QTest::newRow("leer") << QString() << QString();
    QTest::newRow("nur Kommentarzeichen") << u"###"_s << u"###"_s;
    QTest::newRow("Marker und Platzhalter") << u"[]*?!-#"_s << u"[]*?!-#"_s;
    QTest::newRow("beide Partner getauscht, nicht gleich") << u"eN"_s << u"Ne"_s;
    QTest::newRow("Leerzeichen") << u"a b"_s << u"R\u00FFb"_s;
    QTest::newRow("Großbuchstabe getauscht, kleiner bleibt") << u"Qq"_s << u"\u00A7q"_s;
    QTest::newRow("Ziffern") << u"X6y5"_s << u"6X5y"_s;
}

void TestCodec::tauschFaelle()
{
    QFETCH(QString, ein);
    QFETCH(QString, aus);
    QCOMPARE(zeichen_tausch(ein), aus);
    QCOMPARE(zeichen_tausch(ein).size(), ein.size());
}

void TestCodec::cp1252RundUm()
{
    for (unsigned b = 0; b < 256; ++b) {
        const auto byte = static_cast<unsigned char>(b);
        const char16_t zeichen = cp1252::dekodiere(byte);
        if (cp1252::istUndefiniert(byte)) {
            QCOMPARE(zeichen, char16_t(b));
            QVERIFY(!cp1252::kodiere(zeichen));
        } else {
            QCOMPARE(cp1252::kodiere(zeichen), std::optional<unsigned char>(byte));
        }
    }
}

void TestCodec::cp1252Sonderfaelle()
{
    QCOMPARE(cp1252::dekodiere(std::string_view("\x80\xE4\xDF\x9F", 4)), u"€äßŸ"_s);
    QVERIFY(!cp1252::kodiere(u'\u4E2D'));
    QVERIFY(!cp1252::kodiere(u'\u0081'));
    QVERIFY(cp1252::istUndefiniert(0x8D));
    QVERIFY(!cp1252::istUndefiniert(0x80));
}

void TestCodec::archivzeileMeldetSpalte_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("spalte");
    QTest::newRow("alles darstellbar") << u"Grüße, 5€ für dich!"_s << 0;
    QTest::newRow("Wagenrücklauf") << u"ab\rc"_s << 3;
    QTest::newRow("chinesisch") << u"Hallo 中"_s << 7;
    QTest::newRow("Emoji zählt als ein Zeichen") << u"😀x😀"_s << 1;
    QTest::newRow("nach Emoji weiter gezählt") << QString(u"a"_s + u"€"_s + u"Ā"_s) << 3;
}

void TestCodec::archivzeileMeldetSpalte()
{
    QFETCH(QString, text);
    QFETCH(int, spalte);
    QByteArray bytes;
    const auto falsch = archivzeile(text, bytes);
    if (spalte == 0) {
        QVERIFY(!falsch);
        QCOMPARE(klartext(std::string_view(bytes.constData(), std::size_t(bytes.size()))), text);
    } else {
        QVERIFY(falsch);
        QCOMPARE(falsch->spalte, spalte);
    }
}

QTEST_GUILESS_MAIN(TestCodec)
#include "tst_codec.moc"
