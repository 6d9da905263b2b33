// The window Form1, headless, driven through keys and clicks as a user would. Through its seams
// the test answers the message boxes and observes the ending.
#include "tests/testarchiv.h"
#include "ui/beschriftung.h"
#include "ui/form1.h"
#include "ui/meldung.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTranslator>
#include <QUrl>

using namespace Qt::Literals::StringLiterals;

namespace {

// A long entry with line feeds: more than a list row shows and than one paragraph of the text box.
const QString lang = u"Lang"_s + u"Zeile 0123456789\n"_s.repeated(300);
const QStringList archiv = u"# liebe im Kommentar|Ich liebe dich.|beta liebe|Alpha Liebe|"
                           u"Versaut ist relativ.|[beta|[|[Alpha|[gamma|]Weichei"_s.split(u'|')
                           << lang;

// The real window on an archive of its own, or on none as started without one. Each real box is
// recorded as title(buttons, the default marked *) and answered with `antwort` (none: its default);
// an ending is recorded.
struct Testfenster {
    explicit Testfenster(bool ohneArchiv = false)
    {
        if (!ohneArchiv)
            schreiben(ordner.filePath(u"sprho.dat"_s), gepackt(archiv));
        fenster = std::make_unique<Form1>(ohneArchiv ? QString() : ordner.filePath(u"sprho.dat"_s));
        fenster->setMeldungsanzeige([this](QWidget *eltern, const Meldung &meldung) {
            QTimer::singleShot(0, [this] {
                auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
                QStringList knoepfe;
                for (QAbstractButton *knopf : box->buttons())
                    knoepfe << (knopf == box->defaultButton() ? u"*"_s : u""_s) + knopf->text();
                meldungen << box->windowTitle() + (box->icon() ? u"+Symbol("_s : u"("_s) +
                                 knoepfe.join(u',') + u')';
                (antwort ? box->button(antwort) : box->defaultButton())->click();
            });
            return meldungZeigen(eltern, meldung);
        });
        fenster->setBeenden([this](int status) { beendet << QString::number(status); });
        fenster->show();
        if (!QTest::qWaitForWindowActive(fenster.get()))
            qFatal("Fenster nicht aktiv");
    }

    template <typename T = QWidget> T *teil(const QString &name) const
    {
        if (T *gefunden = fenster->findChild<T *>(name))
            return gefunden;
        qFatal("kein %s", qPrintable(name));
    }

    QTemporaryDir ordner;
    std::unique_ptr<Form1> fenster;
    QStringList meldungen, beendet, weg; // weg: where each Tab or Backtab led
    QMessageBox::StandardButton antwort = QMessageBox::NoButton;
};

// Acts as a user, step by step (separated by blanks): a key such as "Tab" or "Alt+W", 'TEXT
// typed, klick:NAME, eintrag:LISTE:TEXT, strg:LISTE:TEXT (with Ctrl) or doppel:LISTE:TEXT on the
// entry that starts with TEXT, menue:NAME, antwort:Yes or antwort:No for the boxes to come,
// einfuegen:TEXT (percent-encoded) pasted where the focus is, and ohneArchiv.
void ablaufen(Testfenster &form, const QString &schritte)
{
    for (const QString &schritt : schritte.split(u' ', Qt::SkipEmptyParts)) {
        const QString art = schritt.section(u':', 0, 0), wert = schritt.section(u':', 1);
        const QKeyCombination taste = QKeySequence(schritt)[0];
        if (schritt.startsWith(u'\'')) {
            QTest::keyClicks(QApplication::focusWidget(), schritt.mid(1));
        } else if (art == u"klick") {
            QTest::mouseClick(form.teil(wert), Qt::LeftButton);
        } else if (art == u"eintrag" || art == u"strg" || art == u"doppel") {
            auto *liste = form.teil<QListWidget>(wert.section(u':', 0, 0));
            const auto treffer = liste->findItems(wert.section(u':', 1), Qt::MatchStartsWith);
            QVERIFY2(!treffer.isEmpty(), qPrintable(schritt));
            const QPoint mitte = liste->visualItemRect(treffer[0]).center();
            const auto umschalter = art == u"strg" ? Qt::ControlModifier : Qt::NoModifier;
            QTest::mouseClick(liste->viewport(), Qt::LeftButton, umschalter, mitte);
            if (art == u"doppel") // a real double click begins with a whole click
                QTest::mouseDClick(liste->viewport(), Qt::LeftButton, {}, mitte);
        } else if (art == u"einfuegen") { // a tab cannot be typed into the box
            QGuiApplication::clipboard()->setText(QUrl::fromPercentEncoding(wert.toLatin1()));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_V, Qt::ControlModifier);
        } else if (art == u"menue") {
            form.teil<QAction>(wert)->trigger();
        } else if (art == u"antwort") {
            form.antwort = wert == u"Yes" ? QMessageBox::Yes : QMessageBox::No;
        } else if (schritt == u"ohneArchiv") {
            QVERIFY(QFile::remove(form.ordner.filePath(u"sprho.dat"_s)));
        } else {
            QTest::keyClick(QApplication::focusWidget(), taste.key(), taste.keyboardModifiers());
        }
        // After a box a window manager would activate the window again; offscreen, the test
        // does. An access key clicks its button a moment later.
        form.fenster->activateWindow();
        QVERIFY2(QTest::qWaitFor([&] {
                     return form.fenster->isActiveWindow() &&
                            std::ranges::none_of(form.fenster->findChildren<QAbstractButton *>(),
                                                 &QAbstractButton::isDown);
                 }),
                 qPrintable(schritt));
        if (taste.key() == Qt::Key_Tab || taste.key() == Qt::Key_Backtab)
            form.weg << QApplication::focusWidget()->objectName();
    }
}

// What a user can see of the window, by name; any other name is a control's caption.
QMap<QString, QString> zustand(const Testfenster &form)
{
    // Those of the named widgets whose property is true (a font: bold).
    const auto welche = [&form](const QString &namen, const char *eigenschaft) {
        QStringList treffer;
        for (const QString &name : namen.split(u' ')) {
            const QVariant wert = form.teil(name)->property(eigenschaft);
            if (wert.typeId() == QMetaType::QFont ? wert.value<QFont>().bold() : wert.toBool())
                treffer << name;
        }
        return treffer.join(u',');
    };
    QStringList liste;
    for (const auto *eintrag :
         form.teil<QListWidget>(u"sucherg"_s)->findItems({}, Qt::MatchStartsWith))
        liste << eintrag->text();
    const QWidget *fokus = QApplication::focusWidget();
    return {
        {u"fokus"_s, fokus ? fokus->objectName() : u"-"_s},
        {u"weg"_s, form.weg.join(u',')},
        {u"standard"_s, welche(u"Command1 Befehl1 suchestart textkop"_s, "default")},
        {u"tafeln"_s, welche(u"infoframe mitmachenframe"_s, "visible")},
        {u"frei"_s, welche(u"suchen suchestart kateg"_s, "enabled")},
        {u"fett"_s, welche(u"suchestart cptkateg framebereich"_s, "font")},
        {u"liste"_s, liste.join(u'|')},
        {u"suchrahmen"_s,
         form.teil(u"Frame1"_s)->visibleRegion().isEmpty() ? u"verdeckt"_s : u"offen"_s},
        {u"markiert"_s, form.teil<QLineEdit>(u"suchen"_s)->selectedText()},
        {u"kopiert"_s, QGuiApplication::clipboard()->text()},
        {u"tipp"_s, form.teil(u"sucherg"_s)->toolTip()},
        {u"meldungen"_s, form.meldungen.join(u',')},
        {u"beendet"_s, form.beendet.join(u',')},
    };
}

} // namespace

class Form1Test : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // As the program starts on a German system, with the face that stands in for Verdana.
        static QTranslator qtTexte;
        QVERIFY(qtTexte.load(QLocale(QLocale::German, QLocale::Germany), u"qtbase"_s, u"_"_s,
                             QLibraryInfo::path(QLibraryInfo::TranslationsPath)));
        QApplication::installTranslator(&qtTexte);
        QFont::insertSubstitution(u"Verdana"_s, u"DejaVu Sans"_s);
        // A system whose window text is not black, so that a fixed black shows.
        QPalette system = QApplication::palette();
        system.setColor(QPalette::WindowText, QColor(0, 0, 128));
        QApplication::setPalette(system);
    }

    void aufbau()
    {
        // Faults a look at the form would miss: the panels lie exactly over the search frame, the
        // window keeps its size, no caption is cut off in the face that stands in for Verdana.
        Testfenster form;
        const QRect flaeche = form.teil(u"Frame1"_s)->geometry();
        QCOMPARE(form.teil(u"infoframe"_s)->geometry(), flaeche);
        QCOMPARE(form.teil(u"mitmachenframe"_s)->geometry(), flaeche);
        QCOMPARE(form.teil(u"arbeitsflaeche"_s)->size(), QSize(697, 457)); // 10455 x 6855 twips
        QCOMPARE(form.fenster->minimumSize(), form.fenster->maximumSize());
        for (const QLabel *label : form.fenster->findChildren<QLabel *>())
            QVERIFY2(label->objectName() == u"anzahlgef" ||
                         label->heightForWidth(label->width()) <= label->height(),
                     qPrintable(label->objectName()));
        // Frame2's caption is green, its labels are in the system's window-text colour.
        const auto *tipps = form.teil(u"Frame2"_s);
        QCOMPARE(tipps->palette().color(QPalette::WindowText), QColor(0, 128, 0));
        for (const QLabel *label : tipps->findChildren<QLabel *>())
            QCOMPARE(label->palette().color(QPalette::WindowText), QColor(0, 0, 128));

        // The count message grows upwards from 4320 twips. The program's messages all take two
        // lines at this width; one line is placed by the helper the window uses.
        ablaufen(form, u"Return 'zzz Return"_s);
        auto *anzahlgef = form.teil<QLabel>(u"anzahlgef"_s);
        for (const int zeilen : {2, 1}) {
            QCOMPARE(anzahlgef->y() + anzahlgef->height(), 288);
            QCOMPARE(anzahlgef->height() / anzahlgef->fontMetrics().lineSpacing(), zeilen);
            anzahlgef->setText(u"Kurz"_s);
            anUnterkanteAusrichten(*anzahlgef, 288);
        }

        // A screen reader can name every control that takes the focus.
        for (QWidget *w : form.fenster->findChildren<QWidget *>())
            QVERIFY2(
                w->focusPolicy() == Qt::NoFocus ||
                    !QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name).isEmpty(),
                qPrintable(w->objectName()));
    }

    void ablauf_data()
    {
        QTest::addColumn<QString>("schritte");
        QTest::addColumn<QString>("erwartet"); // name=value; ... of zustand(), only what matters
        const auto zeile = [](const char *name, const QString &schritte, const QString &erwartet) {
            QTest::newRow(name) << schritte << erwartet;
        };
        const QString gefunden = u"Return 'liebe Return "_s; // past the info panel, three hits
        const QString hinweis = u"meldungen=Hinweis!(*OK)"_s;
        const QString treffer = u"liste=Alpha Liebe|beta liebe|Ich liebe dich."_s;

        zeile("Start, Escape beendet nicht", u"Escape"_s,
              u"fokus=suchen; standard=Command1; tafeln=infoframe; suchrahmen=verdeckt; "
              u"fett=suchestart; frei=suchen,kateg; beendet="_s);
        zeile("Enter erreicht Weiter", u"Return"_s,
              u"Command1=&OK; fokus=suchen; tafeln=; suchrahmen=offen; standard=Command1"_s);
        zeile("OK lässt den Fokus", u"Return 'x Backtab menue:m_info_info Alt+O"_s,
              u"Command1=&OK; fokus=bereich_0; tafeln="_s);
        zeile("Weiter bei gesperrtem Suchfeld", u"'x Backtab Down Alt+W"_s,
              u"tafeln=; Command1=&OK; fokus=bereich_1; fett=framebereich; frei=; "
              u"liste=|Alpha|beta|gamma"_s);
        zeile("Mitmachen ersetzt Info", u"menue:m_info_mitmachen"_s,
              u"tafeln=mitmachenframe; suchrahmen=verdeckt; standard=Befehl1"_s);
        zeile("Newsletter, dann OK", u"menue:m_info_newsletter klick:Befehl1"_s,
              u"tafeln=; suchrahmen=offen; standard=Befehl1"_s);
        zeile("Beenden", u"menue:m_programm_beenden"_s, u"beendet=0; meldungen="_s);

        zeile("Enter sucht", gefunden,
              treffer +
                  u"; anzahlgef=3 gefundene Einträge!; markiert=liebe; standard=suchestart"_s);
        zeile("zurück mit leerem Suchfeld", u"Return klick:bereich_2 klick:bereich_0"_s,
              u"frei=suchen,suchestart,kateg; fokus=suchen; liste=Weichei"_s);
        zeile("Pfeiltasten ringsum zurück", u"Return 'liebe Backtab Up Down"_s,
              u"frei=suchen,suchestart,kateg; fokus=suchen; markiert=liebe; liste=Weichei"_s);

        zeile("Doppelklick kopiert einmal", gefunden + u"doppel:sucherg:beta"_s,
              u"kopiert=beta liebe; Label3=Aktueller Text (10 Zeichen); "_s + hinweis);
        zeile("Enter in der Liste kopiert einmal", gefunden + u"eintrag:sucherg:beta Return"_s,
              u"kopiert=beta liebe; fokus=sucherg; "_s + hinweis);
        zeile("Enter im Suchfeld kopiert", gefunden + u"eintrag:sucherg:beta klick:suchen Return"_s,
              u"kopiert=beta liebe; standard=textkop; "_s + hinweis);
        zeile("bearbeiteter Text",
              gefunden + u"eintrag:sucherg:Alpha klick:akttext Ctrl+End '\u00A0! klick:textkop"_s,
              u"kopiert=Alpha Liebe\u00A0!; Label3=Aktueller Text (13 Zeichen); "_s + hinweis);
        // An empty entry into the empty box changes no text, yet its length shows.
        zeile("leerer erster Eintrag", u"Return klick:bereich_1 eintrag:sucherg: klick:textkop"_s,
              u"Label3=Aktueller Text (0 Zeichen); kopiert=; "_s + hinweis);
        // With nothing chosen in the list, Enter copies nothing itself and goes on to the default.
        zeile("Enter ohne Auswahl an Info", gefunden + u"Tab Tab menue:m_info_info Return"_s,
              u"kopiert=vorher; meldungen=; tafeln=; Label3=Aktueller Text"_s);
        zeile("Enter ohne Auswahl sucht", gefunden + u"Tab Tab ohneArchiv Return"_s,
              u"kopiert=vorher; meldungen=Fehler!(*OK); beendet=1"_s);
        zeile("Enter ohne Auswahl an Text kopieren",
              gefunden +
                  u"eintrag:sucherg:beta eintrag:kateg:Liebe Backtab Backtab Backtab Return"_s,
              u"weg=akttext,textkop,sucherg; kopiert=beta liebe; "_s + hinweis);
        // A chosen entry stays chosen.
        zeile("Strg+Klick lässt die Wahl, Pfeil wählt den nächsten",
              gefunden + u"eintrag:sucherg:beta strg:sucherg:beta Down"_s,
              u"Label3=Aktueller Text (15 Zeichen)"_s);
        zeile("Strg+Leertaste lässt die Kategorie", gefunden + u"eintrag:kateg:Liebe Ctrl+Space"_s,
              treffer + u"; anzahlgef=3 gefundene Einträge!"_s);
        const QString kurz = lang.first(499) + u'…';
        zeile("per Tastatur der erste, lang: gekürzt gezeigt, ganz kopiert",
              u"Return 'lang Return Tab Tab Down Return"_s,
              u"liste="_s + kurz + u"; tipp="_s + kurz + u"; kopiert="_s + lang +
                  u"; Label3=Aktueller Text (5104 Zeichen); weg=suchestart,sucherg; "
                  u"standard=textkop; "_s +
                  hinweis);

        zeile("Tabfolge mit Tafel",
              gefunden + u"menue:m_info_info Tab Tab Tab Tab Tab Tab Tab Tab"_s,
              u"weg=suchestart,sucherg,textkop,akttext,kateg,Command1,bereich_0,suchen"_s);
        zeile("Tab aus leerem Suchfeld", u"Return Tab"_s, u"weg=kateg; fett=cptkateg"_s);
        zeile("Suchknopf ohne Ergebnis", u"Return 'zzz Return Tab Tab"_s,
              u"weg=suchestart,bereich_0; fett=framebereich"_s);
        zeile("Optionen sind ein Tabstopp", u"Return 'x klick:bereich_2 Tab Backtab Backtab"_s,
              u"weg=sucherg,bereich_2,akttext"_s);

        // A term pasted over a typed one: only a usable term enables the search button and makes it
        // the default; Tab from a blank box goes to the categories.
        const auto begriff = [&](const char *name, const QString &text, const QString &nachTab,
                                 const QString &anzahl) {
            const QString knopf = nachTab == u"suchestart" ? u"suchestart"_s : QString();
            zeile(name,
                  u"Return 'x Ctrl+A einfuegen:"_s +
                      QString::fromLatin1(QUrl::toPercentEncoding(text)) + u" Return Tab"_s,
                  u"suchen="_s + text + u"; frei=suchen,"_s + knopf +
                      (knopf.isEmpty() ? u""_s : u","_s) + u"kateg; standard="_s + knopf +
                      u"; weg="_s + nachTab + u"; anzahlgef="_s + anzahl);
        };
        const QString alle = u"5 gefundene Einträge!"_s, keine = u"Keine Einträge gefunden!"_s,
                      ohne = u"Es wurde noch keine Suche durchgeführt!"_s;
        begriff("Stern und Fragezeichen", u"*?"_s, u"suchestart"_s, alle);
        begriff("999 Sterne", QString(999, u'*'), u"sucherg"_s, ohne);
        begriff("1000 Sterne", QString(1000, u'*'), u"suchestart"_s, alle);
        begriff("999 Fragezeichen", QString(999, u'?'), u"sucherg"_s, ohne);
        begriff("40000 Zeichen, alle behalten", QString(40000, u'x'), u"suchestart"_s, keine);
        begriff("Leerzeichen und Stern", u" *"_s, u"suchestart"_s, alle);
        begriff("nur Leerzeichen", u"   "_s, u"kateg"_s, ohne);
        begriff("Tabulator allein", u"\t"_s, u"suchestart"_s, keine);

        // Only Versaut asks, and every time.
        const QString frage = u"meldungen=Wirklich?(*&Ja,&Nein)"_s;
        zeile("Versaut, Ja",
              gefunden + u"antwort:Yes eintrag:kateg:Versaut eintrag:kateg:Liebe "
                         u"eintrag:kateg:Versaut"_s,
              frage + u",Wirklich?(*&Ja,&Nein); liste=Versaut ist relativ."_s);
        zeile("Versaut, Nein", gefunden + u"antwort:No eintrag:kateg:Versaut"_s,
              frage + u"; "_s + treffer + u"; anzahlgef=3 gefundene Einträge!"_s);

        // The archive gone: one box and one ending for each failed search.
        zeile("Fehler in der Kategorie und im Listenbereich",
              u"ohneArchiv Return eintrag:kateg:Kinder klick:bereich_1"_s,
              u"meldungen=Fehler!(*OK),Fehler!(*OK); beendet=1,1"_s);
    }

    void ablauf()
    {
        QFETCH(QString, schritte);
        QFETCH(QString, erwartet);
        Testfenster form;
        QGuiApplication::clipboard()->setText(u"vorher"_s);
        ablaufen(form, schritte);
        const auto ist = zustand(form);
        for (const QString &soll : erwartet.split(u"; "_s)) {
            const QString name = soll.section(u'=', 0, 0);
            const QString wert =
                ist.contains(name) ? ist[name] : form.teil(name)->property("text").toString();
            QCOMPARE(name + u'=' + wert, soll);
        }
    }

    // Started without an archive, each search reads what the lookup finds at that moment: the
    // user's archive before the installed one, with a text sprho-archiv added meanwhile, then
    // sprho.dat of the working directory once there is one.
    void archivsuche()
    {
        QTemporaryDir wurzel;
        const QString eigenes = wurzel.filePath(u"daten/spruchhort/sprho.dat"_s),
                      beispiel = wurzel.filePath(u"system/spruchhort/sprho.dat"_s),
                      hier = wurzel.filePath(u"hier"_s), vorher = QDir::currentPath();
        for (const QString &ordner : {QFileInfo(eigenes).path(), QFileInfo(beispiel).path(), hier})
            QVERIFY(QDir().mkpath(ordner));
        qputenv("HOME", wurzel.path().toUtf8());
        qputenv("XDG_DATA_HOME", wurzel.filePath(u"daten"_s).toUtf8());
        qputenv("XDG_DATA_DIRS", wurzel.filePath(u"system"_s).toUtf8());
        QVERIFY(QDir::setCurrent(hier));
        schreiben(beispiel, gepackt({u"Gruss aus dem Beispiel"_s}));
        schreiben(eigenes, gepackt({u"Gruss aus dem eigenen Archiv"_s}));

        Testfenster form(true);
        ablaufen(form, u"Return 'Gruss Return"_s);
        QCOMPARE(zustand(form)[u"liste"_s], u"Gruss aus dem eigenen Archiv"_s);
        QProcess hinzufuegen;
        hinzufuegen.start(QStringLiteral(SPRHO_ARCHIV_WERKZEUG), {u"add"_s, u"Gruss von dir"_s});
        QVERIFY(hinzufuegen.waitForFinished() && hinzufuegen.exitCode() == 0);
        ablaufen(form, u"Return"_s);
        QCOMPARE(zustand(form)[u"liste"_s], u"Gruss aus dem eigenen Archiv|Gruss von dir"_s);
        schreiben(u"sprho.dat"_s, gepackt({u"Gruss von hier"_s}));
        ablaufen(form, u"Return"_s);
        QCOMPARE(zustand(form)[u"liste"_s], u"Gruss von hier"_s);
        QVERIFY(QDir::setCurrent(vorher));
    }
};

QTEST_MAIN(Form1Test)
#include "tst_form1.moc"
