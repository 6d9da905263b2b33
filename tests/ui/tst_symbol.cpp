// The program's icon: the sizes and colour depth the version record promises.
#include <QImage>
#include <QImageReader>
#include <QSet>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

class SymbolTest : public QObject {
    Q_OBJECT

private slots:
    void bild_data();
    void bild();
    void windowsSymbol();
};

namespace {

int farben(const QImage &bild)
{
    QSet<QRgb> gesehen;
    for (int y = 0; y < bild.height(); ++y) {
        for (int x = 0; x < bild.width(); ++x)
            gesehen.insert(bild.pixel(x, y));
    }
    return int(gesehen.size());
}

} // namespace

void SymbolTest::bild_data()
{
    QTest::addColumn<QString>("datei");
    QTest::addColumn<int>("groesse");
    QTest::newRow("32") << u"sprho-32.xpm"_s << 32;
    QTest::newRow("16") << u"sprho-16.xpm"_s << 16;
}

void SymbolTest::bild()
{
    QFETCH(QString, datei);
    QFETCH(int, groesse);
    const QImage bild(QStringLiteral(SPRHO_SYMBOLE "/") + datei);
    QVERIFY(!bild.isNull());
    QCOMPARE(bild.size(), QSize(groesse, groesse));
    QVERIFY(farben(bild) <= 16);
    QVERIFY(bild.hasAlphaChannel());
}

void SymbolTest::windowsSymbol()
{
    QImageReader leser(QStringLiteral(SPRHO_SYMBOLE "/sprho.ico"));
    if (!leser.canRead())
        QSKIP("no ICO reader in this Qt");
    QSet<int> groessen;
    for (int i = 0; i < leser.imageCount(); ++i) {
        QVERIFY(leser.jumpToImage(i));
        const QImage bild = leser.read();
        QVERIFY(farben(bild) <= 16);
        groessen.insert(bild.width());
    }
    QCOMPARE(groessen, (QSet<int>{16, 32}));
}

QTEST_MAIN(SymbolTest)
#include "tst_symbol.moc"
