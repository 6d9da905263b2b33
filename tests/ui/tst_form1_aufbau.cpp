// The fixed layout of the window, checked against the design's own numbers:
// every control by object name, with its kind, place, size, caption, font,
// colours, initial state and accessible name.
#include "testfenster.h"
#include "twips.h"

#include <QAccessible>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>

using namespace Qt::Literals::StringLiterals;

class Form1Aufbau : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QFont::insertSubstitution(u"Verdana"_s, u"DejaVu Sans"_s); }

    void steuerelement_data();
    void steuerelement();
    void farbe_data();
    void farbe();
    void zugaenglich_data();
    void zugaenglich();
    void keinTextAbgeschnitten();
    void fenster();
    void menue();
    void anfangszustand();
    void kategorienInTabellenfolge();

private:
    Testfenster m_form{QStringList{u"Ein Spruch"_s}};
};

namespace {

enum Schrift { Klein, KleinFett, Mittel, MittelFett, GrossFett, OhneText };

struct Zeile {
    const char *name;
    const char *art;
    const char *behaelter;
    int links, oben, breite, hoehe; // twips
    Schrift schrift;
    const char16_t *text; // exact, or a pattern when it starts with "^"
};

// clang-format off
const Zeile tabelle[] = {
    {"Frame1", "QGroupBox", "arbeitsflaeche", 240, 240, 9975, 6375, MittelFett, u"Suchen Sie sich Ihren Spruch im Spruchhort"},
    {"infoframe", "QGroupBox", "arbeitsflaeche", 240, 240, 9975, 6375, MittelFett, u"Info"},
    {"mitmachenframe", "QGroupBox", "arbeitsflaeche", 240, 240, 9975, 6375, MittelFett, u"Mitmachen && Newsletter"},
    {"framebereich", "QGroupBox", "Frame1", 1920, 1200, 3615, 1095, Klein, u"Bereich wählen"},
    {"akttext", "QPlainTextEdit", "Frame1", 1920, 4560, 7575, 1215, Klein, u""},
    {"sucherg", "QListWidget", "Frame1", 1920, 2520, 7575, 1815, Klein, nullptr},
    {"kateg", "QListWidget", "Frame1", 7800, 1200, 1695, 1035, Klein, nullptr},
    {"suchen", "QLineEdit", "Frame1", 1920, 720, 5655, 285, Klein, u""},
    {"textkop", "QPushButton", "Frame1", 360, 5280, 1455, 495, Klein, u"Text &kopieren"},
    {"suchestart", "QPushButton", "Frame1", 5880, 1200, 1695, 495, Klein, u"&Suche starten"},
    {"Line4", "QFrame", "Frame1", 360, 600, 9120, 15, OhneText, nullptr},
    {"Line3", "QFrame", "Frame1", 360, 5880, 9120, 15, OhneText, nullptr},
    {"Line2", "QFrame", "Frame1", 360, 4440, 9120, 15, OhneText, nullptr},
    {"Line1", "QFrame", "Frame1", 360, 2400, 9120, 15, OhneText, nullptr},
    {"cptkateg", "QLabel", "Frame1", 7680, 720, 1815, 495, Klein, u"Oder wählen Sie eine Kategorie"},
    {"Label3", "QLabel", "Frame1", 360, 4560, 1455, 735, KleinFett, u"Aktueller Text"},
    {"anzahlgef", "QLabel", "Frame1", 360, 3720, 1410, 585, Klein, u"Es wurde noch keine Suche durchgeführt!"},
    {"Label2", "QLabel", "Frame1", 360, 2520, 1455, 615, KleinFett, u"Such- ergebnisse"},
    {"Label1", "QLabel", "Frame1", 360, 720, 1455, 1575, KleinFett, u"Suche nach"},
    {"bereich_2", "QRadioButton", "framebereich", 120, 720, 1335, 255, Klein, u"Weicheier"},
    {"bereich_1", "QRadioButton", "framebereich", 120, 480, 2535, 255, Klein, u"Dumm-Anmach-Sprüche"},
    {"bereich_0", "QRadioButton", "framebereich", 120, 240, 1815, 255, Klein, u"SMS-Datenbank"},
    {"Label20", "QLabel", "framebereich", 2640, 720, 855, 255, Klein, u"[Liste]"},
    {"Label19", "QLabel", "framebereich", 2640, 480, 855, 255, Klein, u"[Liste]"},
    {"Label18", "QLabel", "framebereich", 2400, 240, 1095, 255, Klein, u"[mit Suche]"},
    {"Command1", "QPushButton", "infoframe", 7200, 5280, 2415, 735, MittelFett, u"&Weiter"},
    {"Frame2", "QGroupBox", "infoframe", 360, 2040, 6495, 3975, MittelFett, u"Ein Tip am Rande für alle D2-Nutzer "},
    {"Bezeichnung8", "QLabel", "infoframe", 3600, 480, 2655, 255, Mittel, u"Stand: 29.12.2000"},
    {"Label15", "QLabel", "infoframe", 360, 1200, 6495, 495, Mittel, u"^(?=.*\\bexample\\.org\\b)(?=.*Version).*$"},
    {"Label7", "QLabel", "infoframe", 7200, 480, 2415, 4815, MittelFett, u"Die Texte wurden vor allem von diversen Quellen aus dem Internet zusammengetragen. Ein Anspruch auf Vollständigkeit und Korrektheit der Daten besteht nicht. Der Autor distanziert sich hiermit ausdrücklich von allen Texten. Die Texte geben nicht unbedingt die Meinung des Autors wieder. Die Benutzung des Programmes erfolgt auf eigene Gefahr."},
    {"Label6", "QLabel", "infoframe", 360, 720, 6495, 255, Mittel, u"^[^\\n]*\\b2000\\b[^\\n]*$"},
    {"Label5", "QLabel", "infoframe", 1920, 480, 1695, 255, Mittel, u"Version 2.3.2"},
    {"Label4", "QLabel", "infoframe", 360, 480, 1575, 255, MittelFett, u"Spruchhort"},
    {"Label14", "QLabel", "Frame2", 240, 3240, 6015, 495, Klein, u"Den Preis für den Empfang einer Kurzmitteilung über D2-MessagePlus entnehmen Sie bitte der Preisliste Ihres Providers!"},
    {"Label13", "QLabel", "Frame2", 240, 2520, 6015, 735, Klein, u"Noch ein TIP: Schreiben Sie +WITZE, erhalten Sie automatisch jeden Tag den aktuellen Witz um 16.00 Uhr zugeschickt, mit -WITZE kann dies jederzeit wieder rückgängig gemacht werden!"},
    {"Label12", "QLabel", "Frame2", 240, 2040, 6015, 495, Klein, u"Schon wenige Sekunden später erhalten Sie in der Regel einen Witz per SMS auf Ihr Handy geschickt!"},
    {"Label11", "QLabel", "Frame2", 240, 1680, 6015, 255, KleinFett, u"^3\\. Benutzen Sie dazu die Kurzm\\.-Zentrale \\+[0-9 ]+$"},
    {"Label10", "QLabel", "Frame2", 240, 1440, 6015, 255, KleinFett, u"^2\\. Schicken Sie diese Kurzmitteilung an die Nummer [0-9]{4}$"},
    {"Label9", "QLabel", "Frame2", 240, 1200, 6015, 255, KleinFett, u"1. Schreiben Sie eine Kurzmitteilung mit dem Text WITZE"},
    {"Label8", "QLabel", "Frame2", 240, 480, 6015, 615, Klein, u"Auch unterwegs brauchen Sie auf lustige Texte nicht zu verzichten. Sollte Ihnen einmal langweilig sein, wenn Sie gerade im Zug sitzen oder im Wartezimmer, dann probieren Sie doch mal folgendes:"},
    {"Befehl1", "QPushButton", "mitmachenframe", 4080, 5520, 1815, 495, MittelFett, u"&OK"},
    {"Label16", "QLabel", "mitmachenframe", 960, 2880, 8055, 855, Klein, u"Kleiner Anmerkung: Falls Sie sich fragen sollten, warum Fehler, die Sie entdeckt haben, nicht ausgebessert wurden, so liegt das evtl. daran, dass in dieser Version gegenüber der Vorgängerversion eine teils komplett neue Datenbank verwendet wurde. Vielen Dank für Ihr Verständnis."},
    // Taller than the design's 1335: its sixth line would be cut off in DejaVu Sans.
    {"Label17", "QLabel", "mitmachenframe", 960, 3960, 8055, 1560, MittelFett, u"Ab sofort gibts den Spruchhort-Newsletter. Angemeldete Nutzer erhalten umgehend eine eMail, sobald eine neue Version des Spruchhorts vorliegt. Um den Newsletter zu bestellen, schreiben Sie einfach eine eMail an die oben angegebene eMail-Adresse mit dem Betreff \"EINTRAGEN\". Wenn Sie keinen Newsletter mehr erhalten möchten, schreiben Sie \"AUSTRAGEN\"."},
    {"Bezeichnung7", "QLabel", "mitmachenframe", 960, 2400, 8055, 375, GrossFett, u"^[a-z.-]+@example\\.com$"},
    {"Bezeichnung6", "QLabel", "mitmachenframe", 960, 2040, 8055, 255, MittelFett, u"Am besten Sie schicken es gleich an unsere eMail-Adresse:"},
    {"Bezeichnung5", "QLabel", "mitmachenframe", 960, 1800, 8055, 255, MittelFett, u"Worauf warten Sie dann noch?"},
    {"Bezeichnung4", "QLabel", "mitmachenframe", 960, 1440, 8055, 255, MittelFett, u"- Sie haben andere Verbesserungsvorschläge?"},
    {"Bezeichnung3", "QLabel", "mitmachenframe", 960, 1200, 8055, 255, MittelFett, u"- Sie haben einen doppelten Eintrag im Spruchhort bemerkt?"},
    {"Bezeichnung2", "QLabel", "mitmachenframe", 960, 960, 8055, 255, MittelFett, u"- Haben Sie einen SMS-Spruch der noch nicht im Spruchhort ist?"},
    {"Bezeichnung1", "QLabel", "mitmachenframe", 960, 600, 8055, 255, MittelFett, u"Jeder kann mitmachen beim Spruchhort, das heisst:"},
};
// clang-format on

QString beschriftung(const QWidget &w)
{
    if (auto *l = qobject_cast<const QLabel *>(&w))
        return l->text();
    if (auto *b = qobject_cast<const QAbstractButton *>(&w))
        return b->text();
    if (auto *g = qobject_cast<const QGroupBox *>(&w))
        return g->title();
    if (auto *e = qobject_cast<const QLineEdit *>(&w))
        return e->text();
    if (auto *t = qobject_cast<const QPlainTextEdit *>(&w))
        return t->toPlainText();
    return {};
}

} // namespace

void Form1Aufbau::steuerelement_data()
{
    QTest::addColumn<int>("zeile");
    for (const Zeile &z : tabelle)
        QTest::newRow(z.name) << int(&z - tabelle);
}

void Form1Aufbau::steuerelement()
{
    QFETCH(int, zeile);
    const Zeile &z = tabelle[zeile];
    auto *w = m_form.teil<QWidget>(z.name);

    QVERIFY2(w->inherits(z.art), w->metaObject()->className());
    QCOMPARE(w->parentWidget()->objectName(), QLatin1StringView(z.behaelter));
    QCOMPARE(w->geometry(), QRect(twips(z.links), twips(z.oben), twips(z.breite), twips(z.hoehe)));

    if (z.text) {
        const QString soll = QString::fromUtf16(z.text);
        if (soll.startsWith(u'^'))
            QVERIFY2(QRegularExpression(soll).match(beschriftung(*w)).hasMatch(),
                     qPrintable(beschriftung(*w)));
        else
            QCOMPARE(beschriftung(*w), soll);
    }

    if (z.schrift == OhneText)
        return;
    static const double punkte[] = {8.25, 8.25, 9.75, 9.75, 12};
    static const int pixel[] = {11, 11, 13, 13, 16};
    const QFont schrift = w->font();
    QCOMPARE(schrift.family(), u"Verdana"_s);
    QCOMPARE(schrift.pointSizeF(), punkte[z.schrift]);
    QCOMPARE(QFontInfo(schrift).pixelSize(), pixel[z.schrift]);
    QCOMPARE(schrift.bold(),
             z.schrift == KleinFett || z.schrift == MittelFett || z.schrift == GrossFett);
    QVERIFY(!schrift.italic() && !schrift.underline() && !schrift.strikeOut());

    if (auto *label = qobject_cast<QLabel *>(w)) {
        QVERIFY(label->wordWrap());
        QCOMPARE(label->textFormat(), Qt::PlainText);
        QVERIFY(label->alignment() & Qt::AlignTop);
    }
}

void Form1Aufbau::farbe_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QPalette::ColorRole>("rolle");
    QTest::addColumn<QColor>("farbe");
    QTest::addColumn<bool>("deckend");

    const QColor grau(192, 192, 192), hellgrau(128, 128, 128), gruen(0, 128, 0);
    const QColor text = QApplication::palette().color(QPalette::WindowText);
    auto zeile = [](const char *name, QPalette::ColorRole rolle, QColor farbe, bool deckend) {
        QTest::newRow(name) << QString::fromLatin1(name) << rolle << farbe << deckend;
    };
    zeile("Frame1", QPalette::Window, grau, true);
    zeile("infoframe", QPalette::Window, grau, true);
    zeile("mitmachenframe", QPalette::Window, grau, true);
    zeile("Frame2", QPalette::WindowText, gruen, true);
    zeile("Label7", QPalette::WindowText, QColor(192, 0, 0), true);
    zeile("Label4", QPalette::Window, grau, true);
    zeile("Label18", QPalette::WindowText, hellgrau, true);
    zeile("Label20", QPalette::WindowText, hellgrau, true);
    zeile("Label16", QPalette::WindowText, hellgrau, false);
    zeile("Label17", QPalette::WindowText, gruen, false);
    zeile("Label9", QPalette::WindowText, text, false);
    zeile("Bezeichnung1", QPalette::WindowText, text, false);
    zeile("Bezeichnung7", QPalette::WindowText, QColor(0, 0, 0), false);
    zeile("anzahlgef", QPalette::WindowText, text, false);
    zeile("Line1", QPalette::WindowText, hellgrau, false);
}

void Form1Aufbau::farbe()
{
    QFETCH(QString, name);
    QFETCH(QPalette::ColorRole, rolle);
    QFETCH(QColor, farbe);
    QFETCH(bool, deckend);
    auto *w = m_form.teil<QWidget>(name.toLatin1().constData());
    QCOMPARE(w->palette().color(QPalette::Active, rolle), farbe);
    QCOMPARE(w->autoFillBackground(), deckend);
}

void Form1Aufbau::zugaenglich_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("vorgelesen");
    QTest::newRow("suchen") << u"suchen"_s << u"Suche nach"_s;
    QTest::newRow("suchestart") << u"suchestart"_s << u"Suche starten"_s;
    QTest::newRow("sucherg") << u"sucherg"_s << u"Suchergebnisse"_s;
    QTest::newRow("textkop") << u"textkop"_s << u"Text kopieren"_s;
    QTest::newRow("akttext") << u"akttext"_s << u"Aktueller Text"_s;
    QTest::newRow("kateg") << u"kateg"_s << u"Oder wählen Sie eine Kategorie"_s;
    QTest::newRow("Command1") << u"Command1"_s << u"Weiter"_s;
    QTest::newRow("Befehl1") << u"Befehl1"_s << u"OK"_s;
    QTest::newRow("bereich_0") << u"bereich_0"_s << u"SMS-Datenbank"_s;
    QTest::newRow("bereich_1") << u"bereich_1"_s << u"Dumm-Anmach-Sprüche"_s;
    QTest::newRow("bereich_2") << u"bereich_2"_s << u"Weicheier"_s;
}

void Form1Aufbau::zugaenglich()
{
    QFETCH(QString, name);
    QFETCH(QString, vorgelesen);
    auto *w = m_form.teil<QWidget>(name.toLatin1().constData());
    QAccessibleInterface *schnittstelle = QAccessible::queryAccessibleInterface(w);
    QVERIFY(schnittstelle);
    QCOMPARE(schnittstelle->text(QAccessible::Name), vorgelesen);
}

void Form1Aufbau::keinTextAbgeschnitten()
{
    // With the face that stands in for Verdana, every caption still fits.
    for (const QLabel *label : m_form.fenster().findChildren<QLabel *>()) {
        if (label->objectName() == u"anzahlgef")
            continue; // sizes itself
        QVERIFY2(label->heightForWidth(label->width()) <= label->height(),
                 qPrintable(label->objectName()));
    }
    // The longest caption the current text can give.
    auto *label3 = m_form.teil<QLabel>("Label3");
    const QString vorher = label3->text();
    label3->setText(u"Aktueller Text (32767 Zeichen)"_s);
    QVERIFY(label3->heightForWidth(label3->width()) <= label3->height());
    label3->setText(vorher);
}

void Form1Aufbau::fenster()
{
    QVERIFY(m_form.zeigen());
    Form1 &f = m_form.fenster();
    QCOMPARE(f.windowTitle(), u"Spruchhort"_s);
    QCOMPARE(m_form.teil<QWidget>("arbeitsflaeche")->size(), QSize(twips(10455), twips(6855)));
    QCOMPARE(m_form.teil<QWidget>("arbeitsflaeche")->y(),
             m_form.teil<QMenuBar>("menuleiste")->height());
    QCOMPARE(f.minimumSize(), f.maximumSize());
    QCOMPARE(f.size(), f.minimumSize());
    QVERIFY(!(f.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QVERIFY(f.windowFlags() & Qt::WindowCloseButtonHint);
    QCOMPARE(f.palette().color(QPalette::Window), QColor(192, 192, 192));

    const QRect bildschirm = f.screen()->geometry();
    QVERIFY(qAbs(f.frameGeometry().center().x() - bildschirm.center().x()) <= 1);
    QVERIFY(qAbs(f.frameGeometry().center().y() - bildschirm.center().y()) <= 1);
}

void Form1Aufbau::menue()
{
    auto *leiste = m_form.teil<QMenuBar>("menuleiste");
    auto *programm = m_form.teil<QMenu>("m_programm");
    auto *info = m_form.teil<QMenu>("m_info");
    QCOMPARE(leiste->actions(), (QList<QAction *>{programm->menuAction(), info->menuAction()}));
    QCOMPARE(programm->title(), u"&Programm"_s);
    QCOMPARE(info->title(), u"&Info"_s);

    auto namen = [](const QMenu *menue) {
        QStringList liste;
        for (const QAction *a : menue->actions()) {
            liste << a->objectName() + u'=' + (a->isSeparator() ? u"-"_s : a->text());
            if (!a->shortcut().isEmpty() || a->isCheckable() || !a->isEnabled())
                liste << u"unerwartet: "_s + a->objectName();
        }
        return liste;
    };
    QCOMPARE(namen(programm), QStringList{u"m_programm_beenden=Be&enden"_s});
    QCOMPARE(namen(info),
             (QStringList{u"m_info_mitmachen=&Mitmachen"_s, u"m_info_newsletter=&Newsletter"_s,
                          u"m_info_trenn=-"_s, u"m_info_info=&Info"_s}));
}

void Form1Aufbau::anfangszustand()
{
    // The state the constructor leaves, start-up included.
    Testfenster form{QStringList{}};
    QVERIFY(form.teil<QWidget>("infoframe")->isVisibleTo(&form.fenster()));
    QVERIFY(!form.teil<QWidget>("mitmachenframe")->isVisibleTo(&form.fenster()));
    QVERIFY(form.teil<QWidget>("Frame1")->isVisibleTo(&form.fenster()));
    QVERIFY(form.teil<QRadioButton>("bereich_0")->isChecked());
    QVERIFY(!form.teil<QRadioButton>("bereich_1")->isChecked());
    QVERIFY(!form.teil<QRadioButton>("bereich_2")->isChecked());
    QVERIFY(!form.teil<QPushButton>("suchestart")->isEnabled());
    QCOMPARE(form.teil<QLineEdit>("suchen")->maxLength(), std::numeric_limits<int>::max());
    QCOMPARE(form.teil<QListWidget>("sucherg")->count(), 0);
    QCOMPARE(form.teil<QListWidget>("sucherg")->selectionMode(),
             QAbstractItemView::SingleSelection);
    QVERIFY(form.meldungen.isEmpty());
}

void Form1Aufbau::kategorienInTabellenfolge()
{
    auto *kateg = m_form.teil<QListWidget>("kateg");
    QStringList namen;
    for (int i = 0; i < kateg->count(); ++i)
        namen << kateg->item(i)->text();
    QCOMPARE(namen,
             (QStringList{u"Alkohol & Co."_s, u"Frauen"_s, u"Freunschaften"_s, u"Kinder"_s,
                          u"Liebe"_s, u"Männer"_s, u"Sex"_s, u"Versaut"_s, u"Weihnachten"_s}));
    QVERIFY(kateg->selectedItems().isEmpty());
}

QTEST_MAIN(Form1Aufbau)
#include "tst_form1_aufbau.moc"
