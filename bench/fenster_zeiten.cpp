// How long the real window takes for what a user waits on: listing an area,
// a search, a category. Headless; the archive is the caller's.
//   QT_QPA_PLATFORM=offscreen build/default/bench/sprho-fenster-zeiten ARCHIV [BEGRIFF] [KATEGORIE]
#include "archive/archivzeile.h"
#include "ui/form1.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <cstdio>

namespace {

// Runs one step, waits until the window has drawn it, and prints the time.
template <typename Schritt> void messen(const char *name, Form1 &fenster, Schritt schritt)
{
    QElapsedTimer uhr;
    uhr.start();
    schritt();
    QApplication::processEvents();
    fenster.grab(); // the paint the user waits for
    const auto *liste = fenster.findChild<QListWidget *>(QStringLiteral("sucherg"));
    const auto *anzahl = fenster.findChild<QLabel *>(QStringLiteral("anzahlgef"));
    std::printf("%-28s %7.1f ms  %6d Einträge  %s\n", name, double(uhr.nsecsElapsed()) / 1e6,
                liste->count(), qPrintable(anzahl->text()));
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication programm(argc, argv);
    const QStringList argumente = QApplication::arguments();
    if (argumente.size() < 2) {
        std::fprintf(stderr, "Aufruf: sprho-fenster-zeiten ARCHIV [BEGRIFF] [KATEGORIE]\n");
        return 2;
    }
    const QString begriff = argumente.value(2, QStringLiteral("Schloss"));
    const QString kategorie = argumente.value(3, QStringLiteral("Kinder"));
    Form1 fenster(argumente[1]);
    fenster.setMeldungsanzeige([](QWidget *, const Meldung &) { return QMessageBox::Yes; });
    fenster.show();
    QApplication::processEvents();
    const auto teil = [&](const char *name) {
        return fenster.findChild<QWidget *>(QString::fromLatin1(name));
    };
    messen(qPrintable(QStringLiteral("Bereich %1").arg(bereichsname(1))), fenster,
           [&] { static_cast<QAbstractButton *>(teil("bereich_1"))->click(); });
    messen(qPrintable(QStringLiteral("zurück zur %1").arg(bereichsname(0))), fenster,
           [&] { static_cast<QAbstractButton *>(teil("bereich_0"))->click(); });
    static_cast<QLineEdit *>(teil("suchen"))->setText(begriff);
    messen(qPrintable(QStringLiteral("Suche „%1“").arg(begriff)), fenster,
           [&] { static_cast<QPushButton *>(teil("suchestart"))->click(); });
    const auto *kateg = fenster.findChild<QListWidget *>(QStringLiteral("kateg"));
    const auto treffer = kateg->findItems(kategorie, Qt::MatchExactly);
    if (!treffer.isEmpty()) {
        messen(qPrintable(QStringLiteral("Kategorie „%1“").arg(kategorie)), fenster,
               [&] { treffer.first()->setSelected(true); });
    }
    return 0;
}
