#pragma once

#include <QMessageBox>
#include <QString>

#include <functional>
#include <memory>

// One modal message box of the program: title, text and buttons, never an icon.
struct Meldung {
    QString titel;
    QString text;
    QMessageBox::StandardButtons knoepfe = QMessageBox::Ok;
    QMessageBox::StandardButton vorgabe = QMessageBox::Ok;
};

// Shows a box and returns the button chosen. The window shows every box
// through one of these, so that tests can answer instead of a user.
using Meldungsanzeige = std::function<QMessageBox::StandardButton(QWidget *, const Meldung &)>;

// The box as the user sees it, not yet shown.
std::unique_ptr<QMessageBox> meldungsfenster(QWidget *eltern, const Meldung &meldung);

// Shows the box modally and waits for the answer.
QMessageBox::StandardButton meldungZeigen(QWidget *eltern, const Meldung &meldung);
