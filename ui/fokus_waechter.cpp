#include "ui/fokus_waechter.h"

#include <QApplication>
#include <QFocusEvent>

namespace {

// Focus that leaves and comes back with the window, a menu or a popup is not
// a move between the window's controls.
bool zaehlt(Qt::FocusReason grund)
{
    return grund != Qt::ActiveWindowFocusReason && grund != Qt::PopupFocusReason &&
           grund != Qt::MenuBarFocusReason;
}

} // namespace

void FokusWaechter::beobachten(QWidget &widget, Handler erhalten, Handler verloren)
{
    m_beobachtet[&widget] = {std::move(erhalten), std::move(verloren)};
    widget.installEventFilter(this);
}

bool FokusWaechter::eventFilter(QObject *objekt, QEvent *ereignis)
{
    const auto typ = ereignis->type();
    if (typ == QEvent::FocusIn || typ == QEvent::FocusOut) {
        auto *widget = static_cast<QWidget *>(objekt);
        const auto grund = static_cast<QFocusEvent *>(ereignis)->reason();
        if (typ == QEvent::FocusIn)
            erhalten(widget);
        else if (zaehlt(grund))
            verloren(widget);
    }
    return QObject::eventFilter(objekt, ereignis);
}

void FokusWaechter::erhalten(QWidget *widget)
{
    // A handler further up may already have sent the focus elsewhere.
    if (widget == m_gemeldet || QApplication::focusWidget() != widget)
        return;
    if (m_gemeldet)
        verloren(m_gemeldet);
    if (QApplication::focusWidget() != widget)
        return;
    m_gemeldet = widget;
    m_beobachtet.at(widget).erhalten();
}

void FokusWaechter::verloren(QWidget *widget)
{
    if (widget != m_gemeldet)
        return;
    m_gemeldet = nullptr;
    m_beobachtet.at(widget).verloren();
}
