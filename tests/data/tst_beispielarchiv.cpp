#include "speicher_anzeige.h"
#include "suchmaschine.h"
#include "werkzeug.h"

#include <QBuffer>
#include <QRegularExpression>
#include <QTest>

using namespace Qt::StringLiterals;

// The sample archive must show every path of the program something: every
// category, both list-only areas, the 100-hit limit and the chain's early stop.
class TestBeispielarchiv : public QObject {
    Q_OBJECT
private slots:
    void pruefberichtOhneBeanstandung();
    void kategorienFindenGenug_data();
    void kategorienFindenGenug();
    void eineKategorieStopptFrueh();
    void listenbereiche_data();
    void listenbereiche();
    void haeufigesWortZeigtDieGrenze();

private:
    const QString m_archiv = QStringLiteral(SPRHO_BEISPIELARCHIV);
};

void TestBeispielarchiv::pruefberichtOhneBeanstandung()
{
    QByteArray aus;
    QByteArray fehler;
    QBuffer ein;
    QBuffer ausGeraet(&aus);
    QBuffer fehlerGeraet(&fehler);
    ein.open(QIODevice::ReadOnly);
    ausGeraet.open(QIODevice::WriteOnly);
    fehlerGeraet.open(QIODevice::WriteOnly);
    Kanaele k{ein, ausGeraet, fehlerGeraet};
    QCOMPARE(sprhoArchiv({u"check"_s, m_archiv}, k), 0);

    const QString bericht = QString::fromUtf8(aus);
    auto wert = [&](const QString &name) {
        const auto treffer =
            QRegularExpression(u"^"_s + name + u": (\\d+)$"_s, QRegularExpression::MultilineOption)
                .match(bericht);
        return treffer.hasMatch() ? treffer.captured(1).toInt() : -1;
    };
    QVERIFY2(wert(u"Einträge SMS-Datenbank"_s) >= 400, qPrintable(bericht));
    QVERIFY(wert(u"Kommentare"_s) > 0);
    for (const QString &null :
         {u"Leere Einträge"_s, u"Doppelte Einträge"_s, u"Einträge über 160 Zeichen"_s,
          u"Zeilen mit einzelnem LF"_s, u"Zeilen mit undefinierten Bytes"_s})
        QVERIFY2(wert(null) == 0, qPrintable(bericht));
}

void TestBeispielarchiv::kategorienFindenGenug_data()
{
    QTest::addColumn<QString>("name");
    KategorieTabelle tabelle;
    tabelle.kateg_laden();
    for (int i = 1; i <= tabelle.kat_anzahl; ++i)
        QTest::newRow(qPrintable(tabelle.kat_name[std::size_t(i)]))
            << tabelle.kat_name[std::size_t(i)];
}

void TestBeispielarchiv::kategorienFindenGenug()
{
    QFETCH(QString, name);
    Suchmaschine maschine(m_archiv);
    maschine.kategorien.kateg_laden();
    SpeicherAnzeige anzeige;
    QCOMPARE(maschine.kategoriesuche(name, anzeige, [] { return true; }),
             Suchmaschine::Ausgang::Erledigt);
    QVERIFY2(anzeige.ergebnisAnzahl() >= 10, qPrintable(anzeige.anzahlMeldung()));
}

void TestBeispielarchiv::eineKategorieStopptFrueh()
{
    Suchmaschine maschine(m_archiv);
    maschine.kategorien.kateg_laden();
    SpeicherAnzeige anzeige;
    QCOMPARE(maschine.kategoriesuche(u"Liebe"_s, anzeige, [] { return true; }),
             Suchmaschine::Ausgang::Erledigt);
    QVERIFY(anzeige.ergebnisAnzahl() >= 100);
}

void TestBeispielarchiv::listenbereiche_data()
{
    QTest::addColumn<int>("bereich");
    QTest::newRow("Dumm-Anmach-Sprüche") << 1;
    QTest::newRow("Weicheier") << 2;
}

void TestBeispielarchiv::listenbereiche()
{
    QFETCH(int, bereich);
    Suchmaschine maschine(m_archiv);
    maschine.bereich_nr = static_cast<qint16>(bereich);
    SpeicherAnzeige anzeige;
    QCOMPARE(maschine.suchlauf(anzeige), Suchmaschine::Ausgang::Erledigt);
    QVERIFY(anzeige.ergebnisAnzahl() >= 40);
}

void TestBeispielarchiv::haeufigesWortZeigtDieGrenze()
{
    Suchmaschine maschine(m_archiv);
    SpeicherAnzeige anzeige(u"liebe"_s);
    QCOMPARE(maschine.suchlauf(anzeige), Suchmaschine::Ausgang::Erledigt);
    QCOMPARE(anzeige.anzahlMeldung(), u"100 gefundene Einträge!"_s);
}

QTEST_GUILESS_MAIN(TestBeispielarchiv)
#include "tst_beispielarchiv.moc"
