// The block scan against the plain line-by-line reference: the same lines and numbers for every
// scan this processor has, however the reads cut the archive and however few hits a term needs.
#include "tests/referenzsuche.h"
#include "tests/testarchiv.h"

#include <QTest>

#include <random>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(Abtastung)

namespace {

// Words in either case at every offset, some lines comments or list entries: two reader blocks.
QByteArray vieleZeilen()
{
    const QStringList woerter{u"Liebe"_s, u"xq"_s, u"56§"_s, u"Öl"_s, u"ab12"_s, u"Ÿ"_s,
                              u"Sonne"_s, u"z"_s,  u"Tee"_s, u"?"_s,  u"ÄRGER"_s};
    std::minstd_rand zufall(7);
    const auto wahl = [&](std::size_t n) { return qsizetype(zufall() % n); };
    QStringList zeilen;
    for (qsizetype laenge = 0; laenge < 2 * qsizetype(ArchivLeser::blockgroesse);
         laenge += zeilen.last().size() + 2) {
        QString zeile = QStringList{u""_s, u""_s, u""_s, u"#"_s, u"["_s}[wahl(5)];
        for (qsizetype w = wahl(12); w >= 0; --w) {
            const QString wort = woerter[wahl(std::size_t(woerter.size()))];
            zeile += QString(wahl(3), u' ') + (wahl(2) ? wort.toUpper() : wort);
        }
        zeilen << zeile;
    }
    return gepackt(zeilen);
}

} // namespace

class TestPuffersuche : public QObject {
    Q_OBJECT
private slots:
    void wieReferenz_data()
    {
        QTest::addColumn<QByteArray>("archiv");
        QTest::addColumn<QStringList>("begriffe");
        QTest::addColumn<Abtastung>("abtastung");
        const QStringList gemischt{
            u"# liebe im Kommentar"_s, u"Liebe ist schön"_s, u"[liebe"_s, u"]Liebe"_s, u""_s,
            u"ich LIEBE dich"_s};
        QStringList viele;
        for (int i = 0; i < 450; ++i)
            viele << u"Treffer %1 %2"_s.arg(i).arg(i % 3 ? u"Mutter"_s : u"Vater"_s);
        const QList<std::tuple<const char *, QByteArray, QStringList>> faelle{
            {"Teilstring, Kommentar, Listen, leer, länger als jede Zeile",
             gepackt(gemischt),
             {u"liebe"_s, u""_s, u"?*"_s, QString(300, u'x')}},
            {"nur CR, ohne letztes Zeilenende",
             gepackt(gemischt).replace("\r\n", "\r").chopped(1),
             {u"liebe"_s}},
            // Raw bytes: the pair "ab" stands across a line end, and after an LF.
            {"Paar über das Zeilenende", "xa\r\nbx\r\nab\r\n", {u"ab"_s}},
            {"LF vorn im Begriff", "a\r\nb\r\na\nb\r\n", {u"\nb"_s}},
            {"Grenze von 100 und Kette",
             gepackt(viele),
             {u"treffer 1"_s, u"mutter"_s, u"vater"_s, u"###"_s}},
            {"viele Zeilen, mehrere Blöcke",
             vieleZeilen(),
             {u"liebe"_s, u"xq"_s, u"Ÿ"_s, u"*AB##*"_s, u"öl sonne"_s, u"ärger"_s}},
        };
        for (const auto &[name, archiv, begriffe] : faelle) {
            for (const auto &[abtastung, wie] :
                 {std::pair(Abtastung::Schrittweise, "schrittweise"),
                  std::pair(Abtastung::Sse2, "SSE2"), std::pair(Abtastung::Avx2, "AVX2")})
                QTest::addRow("%s, %s", name, wie) << archiv << begriffe << abtastung;
        }
    }

    void wieReferenz()
    {
        QFETCH(QByteArray, archiv);
        QFETCH(QStringList, begriffe);
        QFETCH(Abtastung, abtastung);
        if (!abtastungMoeglich(abtastung))
            QSKIP("Dieser Prozessor hat diese Befehle nicht (kein AVX2?): die Abtastung bleibt "
                  "ungeprüft.");
        std::vector<Zeilentest> tests;
        for (const QString &begriff : std::as_const(begriffe))
            tests.emplace_back(begriff);
        const bool gross = archiv.size() > qsizetype(ArchivLeser::blockgroesse);
        for (const std::size_t bedarf : {std::size_t(1), std::size_t(100), std::size_t(1) << 20}) {
            const auto erwartet = referenz::funde(archiv, begriffe, bedarf);
            for (const qint64 jeLesen : {qint64(1) << 30, gross ? qint64(4099) : qint64(1)}) {
                Fehlgeraet geraet(archiv, -1, jeLesen);
                ArchivLeser leser(geraet);
                QVERIFY(leser.oeffnen());
                std::vector<std::vector<Fundstelle>> funde;
                QVERIFY(hauptbereichDurchsuchen(
                    leser, tests, bedarf, funde, [] { return false; }, abtastung));
                QVERIFY2(funde == erwartet,
                         qPrintable(u"%1 je Lesen %2"_s.arg(bedarf).arg(jeLesen)));
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestPuffersuche)
#include "tst_puffersuche.moc"
