// What the window does when the user acts on it, driven through keys and clicks.
#include "fenstertexte.h"
#include "sortierte_liste.h"
#include "testfenster.h"
#include "twips.h"
#include "unterkante.h"

#include "ergebnis_ordnung.h"

#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace {

const QStringList archiv{
    u"# liebe im Kommentar"_s,
    u"Ich liebe dich."_s,
    u"beta liebe"_s,
    u"Alpha Liebe"_s,
    u"Gamma"_s,
    u"Versaut ist relativ."_s,
    u"[beta"_s,
    u"[Alpha"_s,
    u"[gamma"_s,
    u"]Weichei"_s,
};

QStringList eintraege(const QListWidget *liste)
{
    QStringList texte;
    for (int i = 0; i < liste->count(); ++i)
        texte << liste->item(i)->text();
    return texte;
}

QStringList standardknoepfe(const Testfenster &form)
{
    QStringList namen;
    for (const char *name : {"Command1", "Befehl1", "suchestart", "textkop"}) {
        if (form.teil<QPushButton>(name)->isDefault())
            namen << QString::fromLatin1(name);
    }
    return namen;
}

// Replaces the whole text of a box the way a user pastes.
void einfuegen(QWidget *feld, const QString &text)
{
    QTest::keyClick(feld, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty()) {
        QTest::keyClick(feld, Qt::Key_Delete);
        return;
    }
    QGuiApplication::clipboard()->setText(text);
    QTest::keyClick(feld, Qt::Key_V, Qt::ControlModifier);
}

void klicken(QListWidget *liste, int zeile)
{
    QTest::mouseClick(liste->viewport(), Qt::LeftButton, {},
                      liste->visualItemRect(liste->item(zeile)).center());
}

QString fokusName()
{
    return Testfenster::fokus()->objectName();
}

} // namespace

class Form1Verhalten : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QFont::insertSubstitution(u"Verdana"_s, u"DejaVu Sans"_s); }

    void start();
    void suchbegriff_data();
    void suchbegriff();
    void enterSucht();
    void bereich_data();
    void bereich();
    void bereichPerTastatur();
    void vieleEintraegeSortiert();
    void kopieren_data();
    void kopieren();
    void kopierenPerTastatur();
    void kopierenNachBearbeitung();
    void leerKopieren();
    void laenge_data();
    void laenge();
    void zaehlerUnterkante();
    void tafelnErsetzenEinander_data();
    void tafelnErsetzenEinander();
    void weiterWirdOk();
    void weiterBeiGesperrtemSuchfeld();
    void tabReihenfolge_data();
    void tabReihenfolge();
    void optionenSindEinTabstopp();
    void leeresSuchfeldVerlassen_data();
    void leeresSuchfeldVerlassen();
    void suchknopfVerlassenOhneErgebnis();
    void kategorie_data();
    void kategorie();
    void fehler_data();
    void fehler();
    void escapeBeendetNicht();
    void beenden();
    void schliessfeld();
};

void Form1Verhalten::start()
{
    Testfenster form(archiv);
    QVERIFY(form.zeigen());
    QCOMPARE(fokusName(), u"suchen"_s);
    QVERIFY(form.teil<QPushButton>("suchestart")->font().bold());
    QCOMPARE(standardknoepfe(form), QStringList{u"Command1"_s});

    // Enter in the covered search box reaches the info panel's button.
    Testfenster::taste(Qt::Key_Return);
    QVERIFY(!form.teil<QWidget>("infoframe")->isVisible());
    QCOMPARE(form.teil<QPushButton>("Command1")->text(), u"&OK"_s);
    QCOMPARE(fokusName(), u"suchen"_s);
    QVERIFY(form.meldungen.isEmpty());
}

void Form1Verhalten::suchbegriff_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("brauchbar");
    QTest::newRow("Stern") << u"*"_s << false;
    QTest::newRow("Stern und Buchstabe") << u"*a"_s << true;
    QTest::newRow("Stern und Fragezeichen") << u"*?"_s << true;
    QTest::newRow("999 Sterne") << QString(999, u'*') << false;
    QTest::newRow("1000 Sterne") << QString(1000, u'*') << true;
    QTest::newRow("Fragezeichen") << u"?"_s << false;
    QTest::newRow("999 Fragezeichen") << QString(999, u'?') << false;
    QTest::newRow("1000 Fragezeichen") << QString(1000, u'?') << true;
    QTest::newRow("Leerzeichen und Stern") << u" *"_s << true;
    QTest::newRow("Stern und Leerzeichen") << u"* "_s << true;
    QTest::newRow("nur Leerzeichen") << u"   "_s << false;
    QTest::newRow("Tabulator allein") << u"\t"_s << true;
    QTest::newRow("leer") << QString() << false;
    QTest::newRow("Wort") << u"liebe"_s << true;
}

void Form1Verhalten::suchbegriff()
{
    QFETCH(QString, text);
    QFETCH(bool, brauchbar);
    Testfenster form(archiv);
    QVERIFY(form.zeigenOhneInfo());
    auto *suchen = form.teil<QLineEdit>("suchen");
    auto *anzahlgef = form.teil<QLabel>("anzahlgef");
    const QString vorher = anzahlgef->text();

    QTest::keyClick(suchen, Qt::Key_X);
    QCOMPARE(standardknoepfe(form), QStringList{u"suchestart"_s});
    einfuegen(suchen, text);
    QCOMPARE(suchen->text(), text);
    QCOMPARE(form.teil<QPushButton>("suchestart")->isEnabled(), brauchbar);
    QCOMPARE(standardknoepfe(form), brauchbar ? QStringList{u"suchestart"_s} : QStringList{});

    // Enter starts a search only through an enabled default button.
    QTest::keyClick(suchen, Qt::Key_Return);
    QCOMPARE(anzahlgef->text() != vorher, brauchbar);
    QVERIFY(form.meldungen.isEmpty());
}

void Form1Verhalten::enterSucht()
{
    Testfenster form(archiv);
    QVERIFY(form.zeigenOhneInfo());
    auto *suchen = form.teil<QLineEdit>("suchen");
    QTest::keyClicks(suchen, u"liebe"_s);
    QTest::keyClick(suchen, Qt::Key_Return);

    QCOMPARE(eintraege(form.teil<QListWidget>("sucherg")),
             (QStringList{u"Alpha Liebe"_s, u"beta liebe"_s, u"Ich liebe dich."_s}));
    QCOMPARE(form.teil<QLabel>("anzahlgef")->text(), u"3 gefundene Einträge!"_s);
    QCOMPARE(suchen->selectedText(), u"liebe"_s);
    QCOMPARE(fokusName(), u"suchen"_s);
}

void Form1Verhalten::bereich_data()
{
    QTest::addColumn<QString>("knopf");
    QTest::addColumn<QStringList>("liste");
    // Added as beta, Alpha, gamma; shown sorted, case ignored.
    QTest::newRow("Dumm-Anmach-Sprüche")
        << u"bereich_1"_s << QStringList{u"Alpha"_s, u"beta"_s, u"gamma"_s};
    QTest::newRow("Weicheier") << u"bereich_2"_s << QStringList{u"Weichei"_s};
}

void Form1Verhalten::bereich()
{
    QFETCH(QString, knopf);
    QFETCH(QStringList, liste);
    Testfenster form(archiv);
    QVERIFY(form.zeigenOhneInfo());
    auto *suchen = form.teil<QLineEdit>("suchen");
    auto *suchestart = form.teil<QPushButton>("suchestart");
    auto *kateg = form.teil<QListWidget>("kateg");
    auto *sucherg = form.teil<QListWidget>("sucherg");
    QTest::keyClicks(suchen, u"liebe"_s);

    QTest::mouseClick(form.teil<QRadioButton>(knopf.toLatin1().constData()), Qt::LeftButton);
    QVERIFY(!suchen->isEnabled() && !suchestart->isEnabled() && !kateg->isEnabled());
    QCOMPARE(eintraege(sucherg), liste);

    einfuegen(suchen, QString()); // no effect while disabled
    QTest::mouseClick(form.teil<QRadioButton>("bereich_0"), Qt::LeftButton);
    QVERIFY(suchen->isEnabled() && suchestart->isEnabled() && kateg->isEnabled());
    QCOMPARE(eintraege(sucherg), liste);
    QCOMPARE(fokusName(), u"suchen"_s);
    QCOMPARE(suchen->selectedText(), u"liebe"_s);
    QCOMPARE(standardknoepfe(form), QStringList{u"suchestart"_s});
}

void Form1Verhalten::bereichPerTastatur()
{
    Testfenster form(archiv);
    QVERIFY(form.zeigenOhneInfo());
    QTest::keyClicks(Testfenster::fokus(), u"x"_s); // a blank box would send the focus on
    auto *bereich0 = form.teil<QRadioButton>("bereich_0");
    QTest::mouseClick(bereich0, Qt::LeftButton);
    QCOMPARE(fokusName(), u"bereich_0"_s);
    QVERIFY(form.teil<QGroupBox>("framebereich")->font().bold());

    Testfenster::taste(Qt::Key_Down);
    QVERIFY(form.teil<QRadioButton>("bereich_1")->isChecked());
    QCOMPARE(form.teil<QListWidget>("sucherg")->count(), 3);
    QVERIFY(!form.teil<QLineEdit>("suchen")->isEnabled());

    // Back in the main area, with the search box blank: the button is enabled.
    Testfenster::taste(Qt::Key_Up);
    QVERIFY(bereich0->isChecked());
    QCOMPARE(fokusName(), u"suchen"_s);
    QVERIFY(form.teil<QPushButton>("suchestart")->isEnabled());
    QVERIFY(!form.teil<QGroupBox>("framebereich")->font().bold());
}

void Form1Verhalten::vieleEintraegeSortiert()
{
    QStringList zeilen;
    for (int i = 3000; i > 0; --i)
        zeilen << u"]Eintrag %1 %2"_s.arg(i).arg(i % 2 ? u"klein"_s : u"GROSS"_s);
    Testfenster form(zeilen);
    QVERIFY(form.zeigenOhneInfo());
    QTest::mouseClick(form.teil<QRadioButton>("bereich_2"), Qt::LeftButton);
    const QStringList liste = eintraege(form.teil<QListWidget>("sucherg"));
    QCOMPARE(liste.size(), 3000);
    QVERIFY(std::is_sorted(liste.begin(), liste.end(), ergebnisVorher));
    QCOMPARE(form.teil<QLabel>("anzahlgef")->text(), u"3000 gefundene Einträge!"_s);
}

void Form1Verhalten::kopieren_data()
{
    QTest::addColumn<QString>("weg");
    QTest::newRow("Doppelklick") << u"doppelklick"_s;
    QTest::newRow("Enter in der Liste") << u"enter"_s;
    QTest::newRow("Klick und Knopf") << u"knopf"_s;
    QTest::newRow("Klick, dann Enter im Suchfeld") << u"suchfeld"_s;
}

void Form1Verhalten::kopieren()
{
    QFETCH(QString, weg);
    Testfenster form(archiv);
    QVERIFY(form.zeigenOhneInfo());
    auto *suchen = form.teil<QLineEdit>("suchen");
    auto *sucherg = form.teil<QListWidget>("sucherg");
    QTest::keyClicks(suchen, u"liebe"_s);
    QTest::keyClick(suchen, Qt::Key_Return);
    QGuiApplication::clipboard()->setText(u"vorher"_s);

    const QRect zeile = sucherg->visualItemRect(sucherg->item(1));
    if (weg == u"doppelklick") {
        // A real double click begins with a whole click.
        klicken(sucherg, 1);
        QTest::mouseDClick(sucherg->viewport(), Qt::LeftButton, {}, zeile.center());
    } else {
        klicken(sucherg, 1);
        QCOMPARE(standardknoepfe(form), QStringList{u"textkop"_s});
        if (weg == u"enter") {
            QTest::keyClick(sucherg, Qt::Key_Return);
        } else if (weg == u"knopf") {
            QTest::mouseClick(form.teil<QPushButton>("textkop"), Qt::LeftButton);
        } else {
            QTest::mouseClick(suchen, Qt::LeftButton);
            QTest::keyClick(suchen, Qt::Key_Return);
        }
    }

    QCOMPARE(form.meldungen.size(), 1);
    QCOMPARE(form.meldungen[0].titel, u"Hinweis!"_s);
    QCOMPARE(form.meldungen[0].text, fenstertexte::hinweisText);
    QCOMPARE(form.meldungen[0].knoepfe, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(QGuiApplication::clipboard()->text(), u"beta liebe"_s);
    QCOMPARE(form.teil<QPlainTextEdit>("akttext")->toPlainText(), u"beta liebe"_s);
    QCOMPARE(form.teil<QLabel>("Label3")->text(), u"Aktueller Text (10 Zeichen)"_s);
    QCOMPARE(sucherg->toolTip(), u"beta liebe"_s);
    QCOMPARE(sucherg->count(), 3);
}

void Form1Verhalten::kopierenPerTastatur()
{
    Testfenster form(archiv);
    QVERIFY(form.zeigenOhneInfo());
    QTest::keyClicks(Testfenster::fokus(), u"liebe"_s);
    Testfenster::taste(Qt::Key_Return);
    Testfenster::taste(Qt::Key_Tab);
    Testfenster::taste(Qt::Key_Tab);
    QCOMPARE(fokusName(), u"sucherg"_s);
    // The first Down chooses the first entry, not the second.
    Testfenster::taste(Qt::Key_Down);
    Testfenster::taste(Qt::Key_Return);
    QCOMPARE(form.meldungen.size(), 1);
    QCOMPARE(QGuiApplication::clipboard()->text(), u"Alpha Liebe"_s);
}

void Form1Verhalten::kopierenNachBearbeitung()
{
    Testfenster form(archiv);
    QVERIFY(form.zeigenOhneInfo());
    auto *sucherg = form.teil<QListWidget>("sucherg");
    auto *akttext = form.teil<QPlainTextEdit>("akttext");
    QTest::keyClicks(form.teil<QLineEdit>("suchen"), u"liebe"_s);
    QTest::keyClick(form.teil<QLineEdit>("suchen"), Qt::Key_Return);
    klicken(sucherg, 0);

    QTest::mouseClick(akttext->viewport(), Qt::LeftButton);
    QTest::keyClick(akttext, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClicks(akttext, u"!"_s);
    QCOMPARE(form.teil<QLabel>("Label3")->text(), u"Aktueller Text (12 Zeichen)"_s);
    QTest::mouseClick(form.teil<QPushButton>("textkop"), Qt::LeftButton);
    QCOMPARE(QGuiApplication::clipboard()->text(), u"Alpha Liebe!"_s);

    // Enter in the list takes the entry afresh, the edit is gone.
    QTest::keyClick(sucherg, Qt::Key_Return);
    QCOMPARE(QGuiApplication::clipboard()->text(), u"Alpha Liebe"_s);
    QCOMPARE(form.meldungen.size(), 2);
}

void Form1Verhalten::leerKopieren()
{
    Testfenster form(archiv);
    QVERIFY(form.zeigenOhneInfo());
    QGuiApplication::clipboard()->setText(u"vorher"_s);
    QTest::mouseClick(form.teil<QPushButton>("textkop"), Qt::LeftButton);
    QCOMPARE(QGuiApplication::clipboard()->text(), QString());
    QCOMPARE(form.meldungen.size(), 1);
}

void Form1Verhalten::laenge_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("zeichen");
    QTest::newRow("Wort") << u"abc"_s << 3;
    QTest::newRow("Umlaut und Euro") << u"ä€"_s << 2;
    QTest::newRow("außerhalb der Grundebene") << u"\U0001F600"_s << 2; // 16-bit units
    QTest::newRow("Zeilenumbruch") << u"a\nb"_s << 3;
    QTest::newRow("geschütztes Leerzeichen") << u"a\u00A0b"_s << 3;
    QTest::newRow("leer") << QString() << 0;
}

void Form1Verhalten::laenge()
{
    QFETCH(QString, text);
    QFETCH(int, zeichen);
    Testfenster form(archiv);
    QVERIFY(form.zeigenOhneInfo());
    auto *akttext = form.teil<QPlainTextEdit>("akttext");
    QTest::mouseClick(akttext->viewport(), Qt::LeftButton);
    einfuegen(akttext, u"x"_s);
    einfuegen(akttext, text);
    QCOMPARE(form.teil<QLabel>("Label3")->text(), fenstertexte::aktuellerText(zeichen));

    // The clipboard gets the text as it stands, no-break spaces included.
    QGuiApplication::clipboard()->clear();
    QTest::mouseClick(form.teil<QPushButton>("textkop"), Qt::LeftButton);
    QCOMPARE(QGuiApplication::clipboard()->text(), text);
}

void Form1Verhalten::zaehlerUnterkante()
{
    Testfenster form(archiv);
    QVERIFY(form.zeigenOhneInfo());
    auto *anzahlgef = form.teil<QLabel>("anzahlgef");
    auto *suchen = form.teil<QLineEdit>("suchen");
    const int zeile = anzahlgef->fontMetrics().lineSpacing();
    const int unterkante = twips(4320);

    // "Keine Einträge gefunden!" wraps once within the label's width.
    QTest::keyClicks(suchen, u"zzz"_s);
    QTest::keyClick(suchen, Qt::Key_Return);
    QCOMPARE(anzahlgef->text(), u"Keine Einträge gefunden!"_s);
    QCOMPARE(anzahlgef->width(), twips(1410));
    QCOMPARE(anzahlgef->y() + anzahlgef->height(), unterkante);
    const int zweiZeilen = anzahlgef->height();
    QVERIFY2(zweiZeilen >= 2 * zeile && zweiZeilen < 3 * zeile,
             qPrintable(QString::number(zweiZeilen)));

    // A list-only area with one entry: "Ein Eintrag gefunden!" is two lines too;
    // the label is as high as its text needs, bottom edge in place.
    QTest::mouseClick(form.teil<QRadioButton>("bereich_2"), Qt::LeftButton);
    QCOMPARE(anzahlgef->text(), u"Ein Eintrag gefunden!"_s);
    QCOMPARE(anzahlgef->height(), anzahlgef->heightForWidth(anzahlgef->width()));
    QCOMPARE(anzahlgef->y() + anzahlgef->height(), unterkante);
    QVERIFY(anzahlgef->geometry().bottom() < form.teil<QWidget>("Line2")->y());

    // A message of one line sits one line lower than one of two.
    anzahlgef->setText(u"Kurz"_s);
    anUnterkanteAusrichten(*anzahlgef, unterkante);
    QCOMPARE(anzahlgef->y() + anzahlgef->height(), unterkante);
    QVERIFY(anzahlgef->height() >= zeile && anzahlgef->height() < 2 * zeile);
    const int obenEinzeilig = anzahlgef->y();
    anzahlgef->setText(u"Keine Einträge gefunden!"_s);
    anUnterkanteAusrichten(*anzahlgef, unterkante);
    QCOMPARE(obenEinzeilig - anzahlgef->y(), zeile);
}

void Form1Verhalten::tafelnErsetzenEinander_data()
{
    QTest::addColumn<QString>("befehl");
    QTest::newRow("Mitmachen") << u"m_info_mitmachen"_s;
    QTest::newRow("Newsletter") << u"m_info_newsletter"_s;
}

void Form1Verhalten::tafelnErsetzenEinander()
{
    QFETCH(QString, befehl);
    Testfenster form(archiv);
    QVERIFY(form.zeigen());
    Form1 &f = form.fenster();
    auto *info = form.teil<QWidget>("infoframe");
    auto *mitmachen = form.teil<QWidget>("mitmachenframe");
    auto *frame1 = form.teil<QWidget>("Frame1");
    const QPoint mitte = frame1->mapTo(&f, frame1->rect().center());

    form.teil<QAction>(befehl.toLatin1().constData())->trigger();
    QVERIFY(!info->isVisible() && mitmachen->isVisible());
    QCOMPARE(mitmachen->geometry(), frame1->geometry());
    QVERIFY(mitmachen->isAncestorOf(f.childAt(mitte)));
    QCOMPARE(standardknoepfe(form), QStringList{u"Befehl1"_s});

    form.teil<QAction>("m_info_info")->trigger();
    QVERIFY(info->isVisible() && !mitmachen->isVisible());
    QVERIFY(info->isAncestorOf(f.childAt(mitte)));
    QCOMPARE(standardknoepfe(form), QStringList{u"Command1"_s});

    form.teil<QAction>(befehl.toLatin1().constData())->trigger();
    QTest::mouseClick(form.teil<QPushButton>("Befehl1"), Qt::LeftButton);
    QVERIFY(!info->isVisible() && !mitmachen->isVisible());
    QVERIFY(frame1->isAncestorOf(f.childAt(mitte)));
    // Closing a panel leaves the default button where it was.
    QCOMPARE(standardknoepfe(form), QStringList{u"Befehl1"_s});
}

void Form1Verhalten::weiterWirdOk()
{
    Testfenster form(archiv);
    QVERIFY(form.zeigen());
    auto *command1 = form.teil<QPushButton>("Command1");
    QTest::mouseClick(command1, Qt::LeftButton);
    QCOMPARE(command1->text(), u"&OK"_s);
    QCOMPARE(fokusName(), u"suchen"_s);

    QTest::keyClicks(Testfenster::fokus(), u"x"_s); // a blank box would send the focus on
    form.teil<QAction>("m_info_info")->trigger();
    QCOMPARE(command1->text(), u"&OK"_s);
    auto *akttext = form.teil<QPlainTextEdit>("akttext");
    akttext->setFocus(); // under the panel, as a click before opening it would
    QTest::keyClick(akttext, Qt::Key_O, Qt::AltModifier);
    QTRY_VERIFY(!form.teil<QWidget>("infoframe")->isVisible());
    QCOMPARE(command1->text(), u"&OK"_s);
    QCOMPARE(fokusName(), u"akttext"_s);
}

void Form1Verhalten::weiterBeiGesperrtemSuchfeld()
{
    Testfenster form(archiv);
    QVERIFY(form.zeigen());
    // Under the info panel: typing reaches the covered search box; then back
    // to the area choice, and on to the next area.
    QTest::keyClicks(Testfenster::fokus(), u"x"_s);
    Testfenster::taste(Qt::Key_Backtab);
    QCOMPARE(fokusName(), u"bereich_0"_s);
    Testfenster::taste(Qt::Key_Down);
    QVERIFY(!form.teil<QLineEdit>("suchen")->isEnabled());

    // &Weiter cannot send the focus into the disabled search box; it stays.
    // (Typing made the disabled search button the default, so Alt+W it is.)
    Testfenster::taste(Qt::Key_W, Qt::AltModifier);
    QTRY_VERIFY(!form.teil<QWidget>("infoframe")->isVisible());
    QCOMPARE(form.teil<QPushButton>("Command1")->text(), u"&OK"_s);
    QCOMPARE(fokusName(), u"bereich_1"_s);
    QCOMPARE(form.teil<QListWidget>("sucherg")->count(), 3);
    QVERIFY(form.beendet.isEmpty());
}

void Form1Verhalten::tabReihenfolge_data()
{
    QTest::addColumn<QString>("tafel");
    QTest::addColumn<QStringList>("folge");
    const QStringList anfang{u"suchestart"_s, u"sucherg"_s, u"textkop"_s, u"akttext"_s, u"kateg"_s};
    QTest::newRow("keine Tafel") << QString() << anfang + QStringList{u"bereich_0"_s, u"suchen"_s};
    QTest::newRow("Info") << u"m_info_info"_s
                          << anfang + QStringList{u"Command1"_s, u"bereich_0"_s, u"suchen"_s};
    QTest::newRow("Mitmachen") << u"m_info_mitmachen"_s
                               << anfang + QStringList{u"Befehl1"_s, u"bereich_0"_s, u"suchen"_s};
}

void Form1Verhalten::tabReihenfolge()
{
    QFETCH(QString, tafel);
    QFETCH(QStringList, folge);
    Testfenster form(archiv);
    QVERIFY(form.zeigenOhneInfo());
    // A term and a listed result: leaving the box or the button moves on normally.
    QTest::keyClicks(Testfenster::fokus(), u"liebe"_s);
    Testfenster::taste(Qt::Key_Return);
    if (!tafel.isEmpty())
        form.teil<QAction>(tafel.toLatin1().constData())->trigger();

    QStringList besucht;
    for (qsizetype i = 0; i < folge.size(); ++i) {
        Testfenster::taste(Qt::Key_Tab);
        besucht << fokusName();
    }
    QCOMPARE(besucht, folge);
}

void Form1Verhalten::optionenSindEinTabstopp()
{
    Testfenster form(archiv);
    QVERIFY(form.zeigenOhneInfo());
    QTest::keyClicks(Testfenster::fokus(), u"x"_s);
    QTest::mouseClick(form.teil<QRadioButton>("bereich_2"), Qt::LeftButton);
    QCOMPARE(fokusName(), u"bereich_2"_s);
    Testfenster::taste(Qt::Key_Tab); // the search box is disabled now
    QCOMPARE(fokusName(), u"sucherg"_s);
    Testfenster::taste(Qt::Key_Backtab);
    QCOMPARE(fokusName(), u"bereich_2"_s);
    Testfenster::taste(Qt::Key_Backtab);
    QCOMPARE(fokusName(), u"akttext"_s);
}

void Form1Verhalten::leeresSuchfeldVerlassen_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("leer") << QString();
    QTest::newRow("nur Leerzeichen") << u"  "_s;
}

void Form1Verhalten::leeresSuchfeldVerlassen()
{
    QFETCH(QString, text);
    Testfenster form(archiv);
    QVERIFY(form.zeigenOhneInfo());
    einfuegen(Testfenster::fokus(), text);
    auto *suchestart = form.teil<QPushButton>("suchestart");
    auto *cptkateg = form.teil<QLabel>("cptkateg");
    QVERIFY(suchestart->font().bold());

    Testfenster::taste(Qt::Key_Tab);
    QCOMPARE(fokusName(), u"kateg"_s);
    QVERIFY(cptkateg->font().bold());
    QVERIFY(!suchestart->font().bold());

    Testfenster::taste(Qt::Key_Tab);
    QCOMPARE(fokusName(), u"bereich_0"_s);
    QVERIFY(!cptkateg->font().bold());
    QVERIFY(form.teil<QGroupBox>("framebereich")->font().bold());
}

void Form1Verhalten::suchknopfVerlassenOhneErgebnis()
{
    Testfenster form(archiv);
    QVERIFY(form.zeigenOhneInfo());
    QTest::keyClicks(Testfenster::fokus(), u"zzz"_s);
    Testfenster::taste(Qt::Key_Return);
    QCOMPARE(form.teil<QListWidget>("sucherg")->count(), 0);

    Testfenster::taste(Qt::Key_Tab);
    QCOMPARE(fokusName(), u"suchestart"_s);
    QVERIFY(form.teil<QPushButton>("suchestart")->font().bold());
    Testfenster::taste(Qt::Key_Tab);
    QCOMPARE(fokusName(), u"bereich_0"_s);
    QVERIFY(!form.teil<QPushButton>("suchestart")->font().bold());
    QVERIFY(form.teil<QGroupBox>("framebereich")->font().bold());
}

void Form1Verhalten::kategorie_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QMessageBox::StandardButton>("antwort");
    QTest::addColumn<bool>("gefragt");
    QTest::addColumn<QStringList>("liste");
    const QStringList vorher{u"Alpha Liebe"_s, u"beta liebe"_s, u"Ich liebe dich."_s};
    QTest::newRow("Versaut, Ja") << u"Versaut"_s << QMessageBox::Yes << true
                                 << QStringList{u"Versaut ist relativ."_s};
    QTest::newRow("Versaut, Nein") << u"Versaut"_s << QMessageBox::No << true << vorher;
    QTest::newRow("Liebe") << u"Liebe"_s << QMessageBox::No << false << vorher;
    QTest::newRow("Kinder") << u"Kinder"_s << QMessageBox::No << false << QStringList{};
}

void Form1Verhalten::kategorie()
{
    QFETCH(QString, name);
    QFETCH(QMessageBox::StandardButton, antwort);
    QFETCH(bool, gefragt);
    QFETCH(QStringList, liste);
    Testfenster form(archiv);
    QVERIFY(form.zeigenOhneInfo());
    QTest::keyClicks(Testfenster::fokus(), u"liebe"_s);
    Testfenster::taste(Qt::Key_Return);
    const QString meldungVorher = form.teil<QLabel>("anzahlgef")->text();

    form.antwort = antwort;
    auto *kateg = form.teil<QListWidget>("kateg");
    klicken(kateg, int(eintraege(kateg).indexOf(name)));

    QCOMPARE(form.meldungen.size(), gefragt ? 1 : 0);
    if (gefragt) {
        const Meldung &frage = form.meldungen[0];
        QCOMPARE(frage.titel, u"Wirklich?"_s);
        QVERIFY(frage.text.startsWith(u"Mit Ihren Klick auf JA bestätigen Sie"_s));
        QCOMPARE(frage.knoepfe, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(frage.vorgabe, QMessageBox::Yes);
    }
    QCOMPARE(eintraege(form.teil<QListWidget>("sucherg")), liste);
    if (gefragt && antwort == QMessageBox::No)
        QCOMPARE(form.teil<QLabel>("anzahlgef")->text(), meldungVorher);
    else
        QCOMPARE(form.teil<QLabel>("anzahlgef")->text(), meldungen::anzahl(liste.size()));
    QCOMPARE(gewaehlterText(*kateg), name);
}

void Form1Verhalten::fehler_data()
{
    QTest::addColumn<QString>("weg");
    QTest::newRow("Suche") << u"suche"_s;
    QTest::newRow("Bereich") << u"bereich"_s;
    QTest::newRow("Kategorie mit sechs Suchläufen") << u"kategorie"_s;
}

void Form1Verhalten::fehler()
{
    QFETCH(QString, weg);
    Testfenster form(nullptr);
    QVERIFY(form.zeigenOhneInfo());
    if (weg == u"suche") {
        QTest::keyClicks(Testfenster::fokus(), u"liebe"_s);
        Testfenster::taste(Qt::Key_Return);
    } else if (weg == u"bereich") {
        QTest::mouseClick(form.teil<QRadioButton>("bereich_1"), Qt::LeftButton);
    } else {
        klicken(form.teil<QListWidget>("kateg"), 3);
    }
    QCOMPARE(form.meldungen.size(), 1);
    QCOMPARE(form.meldungen[0].titel, u"Fehler!"_s);
    QCOMPARE(form.meldungen[0].text,
             u"Es ist ein Fehler aufgetreten! Vermutlich konnte die Datei sprho.dat nicht "
             "gefunden werden!"_s);
    QCOMPARE(form.meldungen[0].knoepfe, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(form.beendet, QList<int>{1});
}

void Form1Verhalten::escapeBeendetNicht()
{
    Testfenster form(archiv);
    QVERIFY(form.zeigen());
    Testfenster::taste(Qt::Key_Escape);
    QVERIFY(form.fenster().isVisible());
    QVERIFY(form.teil<QWidget>("infoframe")->isVisible());
    QVERIFY(form.beendet.isEmpty());
}

void Form1Verhalten::beenden()
{
    Testfenster form(archiv);
    QVERIFY(form.zeigen());
    form.teil<QAction>("m_programm_beenden")->trigger();
    QCOMPARE(form.beendet, QList<int>{0});
    QVERIFY(form.meldungen.isEmpty());
}

void Form1Verhalten::schliessfeld()
{
    // The close box ends the run through the toolkit; no handler is involved.
    Testfenster form(archiv);
    QVERIFY(form.zeigen());
    QVERIFY(form.fenster().close());
    QVERIFY(!form.fenster().isVisible());
    QVERIFY(form.beendet.isEmpty() && form.meldungen.isEmpty());
}

QTEST_MAIN(Form1Verhalten)
#include "tst_form1_verhalten.moc"
