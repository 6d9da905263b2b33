#include "search/speicher_anzeige.h"
#include "search/suchmaschine.h"
#include "tools/werkzeug.h"

#include <QBuffer>
#include <QTest>

using namespace Qt::StringLiterals;

// The sample archive shows every path of the program something: every
// category, both list-only areas, the hit limit and the chain's early stop.
class TestBeispielarchiv : public QObject {
    Q_OBJECT
private slots:
    void pruefbericht();
    void abdeckung();

private:
    const QString m_archiv = QStringLiteral(SPRHO_BEISPIELARCHIV);
};

void TestBeispielarchiv::pruefbericht()
{
    QByteArray bericht;
    QBuffer ein;
    QBuffer aus(&bericht);
    QBuffer fehler;
    ein.open(QIODevice::ReadOnly);
    aus.open(QIODevice::WriteOnly);
    fehler.open(QIODevice::WriteOnly);
    Kanaele k{ein, aus, fehler};
    QCOMPARE(sprhoArchiv({u"check"_s, m_archiv}, k), 0);
    const QString text = QString::fromUtf8(bericht);
    // Nothing to complain about: no line after the counts, all problem counts 0.
    QVERIFY2(text.endsWith(u"Zeilen mit undefinierten Bytes: 0\n"_s), qPrintable(text));
    for (const QString &null : {u"Leere Einträge"_s, u"Doppelte Einträge"_s,
                                u"Einträge über 160 Zeichen"_s, u"Zeilen mit einzelnem LF"_s})
        QVERIFY2(text.contains(null + u": 0\n"_s), qPrintable(null));
    const auto anzahl = [&](const QString &name) {
        const qsizetype von = text.indexOf(name + u": "_s) + name.size() + 2;
        return text.sliced(von, text.indexOf(u'\n', von) - von).toInt();
    };
    QVERIFY(anzahl(u"Einträge SMS-Datenbank"_s) >= 400);
    QVERIFY(anzahl(u"Einträge Dumm-Anmach-Sprüche"_s) >= 40);
    QVERIFY(anzahl(u"Einträge Weicheier"_s) >= 40);
    QVERIFY(anzahl(u"Kommentare"_s) > 0);
}

void TestBeispielarchiv::abdeckung()
{
    Suchmaschine maschine(m_archiv);
    maschine.kateg_laden();
    qsizetype groesste = 0;
    for (const QString &name : maschine.kategorien().namen()) {
        SpeicherAnzeige anzeige;
        QVERIFY(maschine.kategoriesuche(name, anzeige, [] { return true; }) ==
                Suchmaschine::Ausgang::Erledigt);
        QVERIFY2(anzeige.eintraege().size() >= 10, qPrintable(name));
        groesste = std::max(groesste, anzeige.eintraege().size());
    }
    QVERIFY(groesste >= 100); // one chain stops early

    SpeicherAnzeige liebe;
    QCOMPARE(maschine.suchlauf(u"liebe"_s, liebe), Suchmaschine::Ausgang::Erledigt);
    QCOMPARE(liebe.anzahlMeldung(), u"100 gefundene Einträge!"_s); // the hit limit shows
}

QTEST_GUILESS_MAIN(TestBeispielarchiv)
#include "tst_beispielarchiv.moc"
