#pragma once

#include "search/meldungen.h"
#include "search/suchmaschine.h"
#include "ui/meldung.h"

#include <QDialog>

#include <functional>
#include <memory>

namespace Ui {
class Form1;
}
class FensterAnzeige;
class FokusWaechter;
class QAbstractButton;
class QButtonGroup;
class QPushButton;

// The program's one window. It is a QDialog although it is the main window:
// only a dialog lets Enter reach the default button.
class Form1 : public QDialog {
    Q_OBJECT

public:
    // The archive every search reads: the one named on the command line; tests
    // hand in archives of their own. Without one, each search reads what the
    // archive lookup finds at that moment (see ui/gefundenes_archiv.h).
    explicit Form1(const QString &archivPfad = {}, QWidget *eltern = nullptr);
    ~Form1() override;

    // Every modal box of the window goes through this.
    void setMeldungsanzeige(Meldungsanzeige anzeige);
    // How the run ends: with 0 from the menu, with 1 after a failed search.
    void setBeenden(std::function<void(int)> beenden);

protected:
    void keyPressEvent(QKeyEvent *ereignis) override;
    bool eventFilter(QObject *objekt, QEvent *ereignis) override;

private:
    void Form_Load();
    void kateg_laden();

    void suchen_Change();
    void suchen_GotFocus();
    void suchen_LostFocus();
    void suchestart_Click();
    void suchestart_GotFocus();
    void suchestart_LostFocus();
    void kateg_Click();
    void kateg_GotFocus();
    void kateg_LostFocus();
    void bereich_Click(int index);
    void bereich_GotFocus(int index);
    void bereich_LostFocus(int index);
    void sucherg_Click();
    void sucherg_DblClick();
    void sucherg_KeyDown(int taste, Qt::KeyboardModifiers umschalter);
    void textkop_Click();
    void akttext_Change();
    void anzahlgef_Change();
    void m_info_info_Click();
    void m_info_mitmachen_Click();
    void m_info_newsletter_Click();
    void Command1_Click();
    void Befehl1_Click();
    void m_programm_beenden_Click();

    bool bereichPerPfeil(QObject *objekt, int taste);
    void verbinden();
    void fensterMittig();
    void bereichTabstopp(QAbstractButton &knopf);
    void standardknopf(QPushButton *knopf);
    void fokusGeben(QWidget &widget);
    void suchausgang(Suchmaschine::Ausgang ausgang);
    bool versautBestaetigt();
    void programmBeenden(int status);

    std::unique_ptr<Ui::Form1> ui;
    QButtonGroup *bereich;
    FokusWaechter *m_fokus;
    Suchmaschine m_suche;
    std::unique_ptr<FensterAnzeige> m_anzeige;
    Meldungsanzeige m_meldung;
    std::function<void(int)> m_beenden;
};
