#include "ui/form1.h"

#include "ui/beschriftung.h"
#include "ui/fenster_anzeige.h"
#include "ui/fenster_mitte.h"
#include "ui/fenstertexte.h"
#include "ui/fokus_waechter.h"
#include "ui/gefundenes_archiv.h"
#include "ui/sortierte_liste.h"
#include "ui/textfeld.h"
#include "ui_form1.h"
#include "version.h"

#include <QApplication>
#include <QButtonGroup>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>

#include <algorithm>
#include <limits>

namespace {

constexpr Qt::WindowFlags fensterart = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                       Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                                       Qt::MSWindowsFixedSizeDialogHint;

// The window's measures are kept in twips; at 96 dpi fifteen of them make one
// pixel, and every measure of the window divides evenly.
constexpr int twips(int wert)
{
    return wert / 15;
}

// The count message grows upwards: its bottom edge stays just above Line2.
constexpr int anzahlgefUnterkante = twips(4320);

// A run of up to this many "*" or "?" alone is no usable term; a longer run
// is one again.
constexpr qsizetype laengsterLauf = 999;

bool nurLauf(const QString &text, QChar zeichen)
{
    if (text.isEmpty() || text.size() > laengsterLauf)
        return false;
    return std::all_of(text.begin(), text.end(), [zeichen](QChar c) { return c == zeichen; });
}

// Whether a term may start a search. Only spaces count as blank; a tab alone
// is a term.
bool suchbegriffBrauchbar(const QString &text)
{
    if (leerzeichenEntfernen(text).isEmpty())
        return false;
    return !nurLauf(text, u'*') && !nurLauf(text, u'?');
}

bool istEnter(const QKeyEvent &taste)
{
    return taste.key() == Qt::Key_Return || taste.key() == Qt::Key_Enter;
}

// A frame's own text colour reaches its labels too; these are drawn in the
// system's window-text colour instead.
void systemTextfarbe(QWidget &widget)
{
    const QPalette system = QApplication::palette(&widget);
    QPalette farben = widget.palette();
    for (const auto gruppe : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        farben.setColor(gruppe, QPalette::WindowText, system.color(gruppe, QPalette::WindowText));
    widget.setPalette(farben);
}

} // namespace

Form1::Form1(const QString &archivPfad, QWidget *eltern)
    : QDialog(eltern, fensterart), ui(std::make_unique<Ui::Form1>()),
      bereich(new QButtonGroup(this)), m_fokus(new FokusWaechter(this)),
      m_suche(archivPfad, archivPfad.isEmpty()
                              ? Suchmaschine::Geraeteoeffner(gefundenesArchivOeffnen)
                              : Suchmaschine::Geraeteoeffner()),
      m_meldung(meldungZeigen), m_beenden([this](int status) { programmBeenden(status); })
{
    ui->setupUi(this);
    layout()->setMenuBar(ui->menuleiste);
    schriftgroessenSetzen(*this);
    for (QLabel *label : findChildren<QLabel *>()) {
        if (label != ui->anzahlgef) // grows upwards, see anzahlgef_Change
            ganzZeigen(*label);
    }
    ui->Label5->setText(QStringLiteral("Version %1").arg(QLatin1StringView(sprho::version)));
    for (QLabel *tipp : ui->Frame2->findChildren<QLabel *>()) // under the green caption
        systemTextfarbe(*tipp);
    ui->suchen->setMaxLength(std::numeric_limits<int>::max());
    bereich->setObjectName(QStringLiteral("bereich"));
    bereich->addButton(ui->bereich_0, 0);
    bereich->addButton(ui->bereich_1, 1);
    bereich->addButton(ui->bereich_2, 2);
    m_anzeige = std::make_unique<FensterAnzeige>(*ui->sucherg, *ui->anzahlgef,
                                                 [this] { anzahlgef_Change(); });
    verbinden();

    Form_Load();
    // The first control of the tab order has the focus when the window shows,
    // even under the info panel.
    ui->suchen->setFocus(Qt::OtherFocusReason);
}

Form1::~Form1()
{
    // The dialog hides itself after the controls are gone; no focus change of
    // that may reach a handler.
    delete m_fokus;
}

void Form1::setMeldungsanzeige(Meldungsanzeige anzeige)
{
    m_meldung = std::move(anzeige);
}

void Form1::setBeenden(std::function<void(int)> beenden)
{
    m_beenden = std::move(beenden);
}

void Form1::verbinden()
{
    connect(ui->suchen, &QLineEdit::textChanged, this, &Form1::suchen_Change);
    connect(ui->suchestart, &QPushButton::clicked, this, &Form1::suchestart_Click);
    connect(ui->kateg, &QListWidget::itemSelectionChanged, this, &Form1::kateg_Click);
    connect(bereich, &QButtonGroup::idToggled, this, [this](int index, bool gewaehlt) {
        bereichTabstopp(*bereich->button(index));
        if (gewaehlt)
            bereich_Click(index);
    });
    connect(ui->sucherg, &QListWidget::itemSelectionChanged, this, &Form1::sucherg_Click);
    connect(ui->sucherg, &QListWidget::itemDoubleClicked, this, &Form1::sucherg_DblClick);
    connect(ui->textkop, &QPushButton::clicked, this, &Form1::textkop_Click);
    connect(ui->akttext, &QPlainTextEdit::textChanged, this, &Form1::akttext_Change);
    connect(ui->Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(ui->Befehl1, &QPushButton::clicked, this, &Form1::Befehl1_Click);
    connect(ui->m_info_info, &QAction::triggered, this, &Form1::m_info_info_Click);
    connect(ui->m_info_mitmachen, &QAction::triggered, this, &Form1::m_info_mitmachen_Click);
    connect(ui->m_info_newsletter, &QAction::triggered, this, &Form1::m_info_newsletter_Click);
    connect(ui->m_programm_beenden, &QAction::triggered, this, &Form1::m_programm_beenden_Click);

    m_fokus->beobachten(
        *ui->suchen, [this] { suchen_GotFocus(); }, [this] { suchen_LostFocus(); });
    m_fokus->beobachten(
        *ui->suchestart, [this] { suchestart_GotFocus(); }, [this] { suchestart_LostFocus(); });
    m_fokus->beobachten(
        *ui->kateg, [this] { kateg_GotFocus(); }, [this] { kateg_LostFocus(); });
    for (int index = 0; index < 3; ++index) {
        m_fokus->beobachten(
            *bereich->button(index), [this, index] { bereich_GotFocus(index); },
            [this, index] { bereich_LostFocus(index); });
    }
    for (QListWidget *liste : {ui->sucherg, ui->kateg}) {
        auswahlHalten(*liste);
        liste->installEventFilter(this);
    }
    for (QPushButton *knopf : {ui->suchestart, ui->textkop, ui->Command1, ui->Befehl1})
        knopf->installEventFilter(this);
    for (QAbstractButton *knopf : bereich->buttons()) {
        bereichTabstopp(*knopf);
        knopf->installEventFilter(this);
    }
}

// --- Start-up ---

void Form1::Form_Load()
{
    fensterMittig();
    ui->mitmachenframe->move(ui->Frame1->pos());
    ui->infoframe->move(ui->Frame1->pos());
    m_info_info_Click();
    kateg_laden();
}

void Form1::kateg_laden()
{
    m_suche.kateg_laden();
    sortiertHinzufuegen(*ui->kateg, m_suche.kategorien().namen());
}

// --- Search box and search button ---

void Form1::suchen_Change()
{
    ui->suchestart->setEnabled(true);
    standardknopf(ui->suchestart);
    if (!suchbegriffBrauchbar(ui->suchen->text())) {
        standardknopf(nullptr);
        ui->suchestart->setEnabled(false);
    }
}

void Form1::suchen_GotFocus()
{
    ui->suchen->selectAll();
    fett(*ui->suchestart, true);
}

void Form1::suchen_LostFocus()
{
    if (leerzeichenEntfernen(ui->suchen->text()).isEmpty())
        fokusGeben(*ui->kateg);
    fett(*ui->suchestart, false);
}

void Form1::suchestart_Click()
{
    suchausgang(m_suche.suchlauf(ui->suchen->text(), *m_anzeige));
}

void Form1::suchestart_GotFocus()
{
    fett(*ui->suchestart, true);
}

void Form1::suchestart_LostFocus()
{
    if (ui->sucherg->count() == 0)
        fokusGeben(*ui->bereich_0);
    fett(*ui->suchestart, false);
}

// --- Categories ---

void Form1::kateg_Click()
{
    suchausgang(m_suche.kategoriesuche(gewaehlterText(*ui->kateg), *m_anzeige,
                                       [this] { return versautBestaetigt(); }));
}

void Form1::kateg_GotFocus()
{
    fett(*ui->cptkateg, true);
}

void Form1::kateg_LostFocus()
{
    fett(*ui->cptkateg, false);
}

// --- Area choice ---

void Form1::bereich_Click(int index)
{
    m_suche.bereichWaehlen(static_cast<qint16>(index));
    const bool hauptbereich = index == 0;
    ui->suchen->setEnabled(hauptbereich);
    ui->suchestart->setEnabled(hauptbereich);
    ui->kateg->setEnabled(hauptbereich);
    if (hauptbereich)
        fokusGeben(*ui->suchen);
    else
        suchestart_Click();
}

void Form1::bereich_GotFocus(int)
{
    fett(*ui->framebereich, true);
}

void Form1::bereich_LostFocus(int)
{
    fett(*ui->framebereich, false);
}

// --- Result list and copying ---

void Form1::sucherg_Click()
{
    const QString text = gewaehlterText(*ui->sucherg);
    // Chosen into a box that holds it already (an empty entry into the empty
    // box at start), the text raises no change; its length is shown all the same.
    if (!textSetzen(*ui->akttext, text))
        akttext_Change();
    ui->sucherg->setToolTip(listenText(text));
    standardknopf(ui->textkop);
}

void Form1::sucherg_DblClick()
{
    textkop_Click();
}

void Form1::sucherg_KeyDown(int taste, Qt::KeyboardModifiers)
{
    // With nothing chosen there is nothing to copy, and the clipboard keeps
    // what the user had there.
    if ((taste != Qt::Key_Return && taste != Qt::Key_Enter) ||
        ui->sucherg->selectedItems().isEmpty())
        return;
    sucherg_Click();
    textkop_Click();
}

void Form1::textkop_Click()
{
    QGuiApplication::clipboard()->setText(textLesen(*ui->akttext));
    m_meldung(this, {fenstertexte::hinweisTitel, fenstertexte::hinweisText});
}

void Form1::akttext_Change()
{
    ui->Label3->setText(fenstertexte::aktuellerText(textLaenge(*ui->akttext)));
}

void Form1::anzahlgef_Change()
{
    anUnterkanteAusrichten(*ui->anzahlgef, anzahlgefUnterkante);
}

// --- Panels and menu ---

void Form1::m_info_info_Click()
{
    ui->mitmachenframe->hide();
    ui->infoframe->show();
    standardknopf(ui->Command1);
}

void Form1::m_info_mitmachen_Click()
{
    ui->infoframe->hide();
    ui->mitmachenframe->show();
    standardknopf(ui->Befehl1);
}

void Form1::m_info_newsletter_Click()
{
    m_info_mitmachen_Click();
}

void Form1::Command1_Click()
{
    if (ui->Command1->text() == fenstertexte::weiter) {
        ui->Command1->setText(fenstertexte::ok);
        fokusGeben(*ui->suchen);
    }
    ui->infoframe->hide();
}

void Form1::Befehl1_Click()
{
    ui->mitmachenframe->hide();
}

void Form1::m_programm_beenden_Click()
{
    m_beenden(0);
}

// --- Helpers ---

void Form1::fensterMittig()
{
    adjustSize();
    new FensterMitte(*this);
}

void Form1::bereichTabstopp(QAbstractButton &knopf)
{
    // The option group is one tab stop, the chosen option; the others still
    // take the focus by mouse and by the arrow keys.
    knopf.setFocusPolicy(knopf.isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
}

void Form1::standardknopf(QPushButton *knopf)
{
    for (QPushButton *k : {ui->Command1, ui->Befehl1, ui->suchestart, ui->textkop})
        k->setDefault(k == knopf);
}

void Form1::fokusGeben(QWidget &widget)
{
    // The area may have been switched by keyboard under the info panel, so the
    // target can be disabled; then the focus stays where it is.
    if (widget.isEnabled() && widget.isVisible())
        widget.setFocus(Qt::OtherFocusReason);
}

void Form1::suchausgang(Suchmaschine::Ausgang ausgang)
{
    if (ausgang == Suchmaschine::Ausgang::Erledigt) {
        // Ready for the next term: typing replaces the old one.
        ui->suchen->selectAll();
        return;
    }
    if (ausgang == Suchmaschine::Ausgang::Fehler) {
        m_meldung(this, {fenstertexte::fehlerTitel, fenstertexte::fehlerText});
        m_beenden(1);
    }
}

bool Form1::versautBestaetigt()
{
    const Meldung frage{fenstertexte::versautTitel, meldungen::versautFrage,
                        QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes};
    return m_meldung(this, frage) == QMessageBox::Yes;
}

void Form1::programmBeenden(int status)
{
    // Nothing the user does from here on may start another search.
    setEnabled(false);
    QCoreApplication::exit(status);
}

// --- Keys ---

bool Form1::bereichPerPfeil(QObject *objekt, int taste)
{
    auto *knopf = qobject_cast<QAbstractButton *>(objekt);
    const int index = knopf ? bereich->id(knopf) : -1;
    int schritt = 0;
    if (taste == Qt::Key_Down || taste == Qt::Key_Right)
        schritt = 1;
    else if (taste == Qt::Key_Up || taste == Qt::Key_Left)
        schritt = -1;
    if (index < 0 || schritt == 0)
        return false;
    // The toolkit would choose the option before moving the focus onto it and
    // so undo the focus move of bereich_Click. Here the focus moves first, and
    // the choice wraps around as in any option group.
    const int anzahl = static_cast<int>(bereich->buttons().size());
    QAbstractButton *ziel = bereich->button((index + schritt + anzahl) % anzahl);
    ziel->setFocus(Qt::TabFocusReason);
    ziel->click();
    return true;
}

void Form1::keyPressEvent(QKeyEvent *ereignis)
{
    // In a dialog Escape closes the window, which here would end the program.
    if (ereignis->matches(QKeySequence::Cancel)) {
        ereignis->accept();
        return;
    }
    QDialog::keyPressEvent(ereignis);
}

bool Form1::eventFilter(QObject *objekt, QEvent *ereignis)
{
    if (ereignis->type() != QEvent::KeyPress)
        return QDialog::eventFilter(objekt, ereignis);
    const auto &taste = *static_cast<QKeyEvent *>(ereignis);
    if (objekt == ui->sucherg) {
        const bool kopiert = istEnter(taste) && !ui->sucherg->selectedItems().isEmpty();
        sucherg_KeyDown(taste.key(), taste.modifiers());
        // After a copy the copy button is the default: handed on, the same
        // Enter would copy a second time. Otherwise Enter goes on to the default
        // button, as from any other control.
        return kopiert || cursorEintragWaehlen(*ui->sucherg, taste.key());
    }
    if (objekt == ui->kateg)
        return cursorEintragWaehlen(*ui->kateg, taste.key());
    if (bereichPerPfeil(objekt, taste.key()))
        return true;
    if (auto *knopf = qobject_cast<QPushButton *>(objekt); knopf && istEnter(taste)) {
        // A focused button takes Enter itself, whichever button is the default.
        knopf->click();
        return true;
    }
    return QDialog::eventFilter(objekt, ereignis);
}
