// The real message box: no icon, the right default, the toolkit's own button
// labels in German, and a modal answer.
#include "meldung.h"
#include "meldungen.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTranslator>

using namespace Qt::Literals::StringLiterals;

Q_DECLARE_METATYPE(Meldung)

class MeldungTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void ohneSymbol_data();
    void ohneSymbol();
    void jaNeinAufDeutsch();
    void antwortKommtZurueck();

private:
    QTranslator m_qtTexte;
};

void MeldungTest::initTestCase()
{
    // As the program does on a German system.
    QVERIFY2(m_qtTexte.load(QLocale(QLocale::German, QLocale::Germany), u"qtbase"_s, u"_"_s,
                            QLibraryInfo::path(QLibraryInfo::TranslationsPath)),
             "qtbase_de.qm fehlt (Paket qt6-translations-l10n)");
    QApplication::installTranslator(&m_qtTexte);
}

void MeldungTest::ohneSymbol_data()
{
    QTest::addColumn<Meldung>("meldung");
    QTest::newRow("Fehler") << Meldung{meldungen::fehlerTitel, meldungen::fehlerText};
    QTest::newRow("Versaut") << Meldung{meldungen::versautTitel, meldungen::versautFrage,
                                        QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes};
}

void MeldungTest::ohneSymbol()
{
    QFETCH(Meldung, meldung);
    const auto box = meldungsfenster(nullptr, meldung);
    QCOMPARE(box->icon(), QMessageBox::NoIcon);
    QCOMPARE(box->windowTitle(), meldung.titel);
    QCOMPARE(box->text(), meldung.text);
    QCOMPARE(box->textFormat(), Qt::PlainText);
    QCOMPARE(box->standardButtons(), meldung.knoepfe);
    QCOMPARE(box->defaultButton(), box->button(meldung.vorgabe));
}

void MeldungTest::jaNeinAufDeutsch()
{
    const auto box =
        meldungsfenster(nullptr, {meldungen::versautTitel, meldungen::versautFrage,
                                  QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes});
    QCOMPARE(box->button(QMessageBox::Yes)->text(), u"&Ja"_s);
    QCOMPARE(box->button(QMessageBox::No)->text(), u"&Nein"_s);
}

void MeldungTest::antwortKommtZurueck()
{
    QTimer::singleShot(0, this, [] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        box->button(QMessageBox::No)->click();
    });
    const auto antwort =
        meldungZeigen(nullptr, {meldungen::versautTitel, meldungen::versautFrage,
                                QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes});
    QCOMPARE(antwort, QMessageBox::No);
}

QTEST_MAIN(MeldungTest)
#include "tst_meldung.moc"
