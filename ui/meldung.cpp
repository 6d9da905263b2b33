#include "ui/meldung.h"

std::unique_ptr<QMessageBox> meldungsfenster(QWidget *eltern, const Meldung &meldung)
{
    auto box = std::make_unique<QMessageBox>(QMessageBox::NoIcon, meldung.titel, meldung.text,
                                             meldung.knoepfe, eltern);
    box->setTextFormat(Qt::PlainText);
    box->setDefaultButton(meldung.vorgabe);
    return box;
}

QMessageBox::StandardButton meldungZeigen(QWidget *eltern, const Meldung &meldung)
{
    const auto box = meldungsfenster(eltern, meldung);
    return static_cast<QMessageBox::StandardButton>(box->exec());
}
