#include "ui/fenster_mitte.h"

#include <QEvent>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace {

QPoint mittig(const QRect &bildschirm, const QSize &aussen)
{
    return {bildschirm.x() + (bildschirm.width() - aussen.width()) / 2,
            bildschirm.y() + (bildschirm.height() - aussen.height()) / 2};
}

} // namespace

FensterMitte::FensterMitte(QWidget &fenster) : QObject(&fenster), m_fenster(fenster)
{
    // With its native window, the frame is known where the system knows it
    // before the window shows.
    m_fenster.winId();
    m_aussen = m_fenster.frameGeometry().size();
    m_fenster.move(mittig(m_fenster.screen()->geometry(), m_aussen));
    // The native window hears of its frame first; the widget may still give
    // the old one.
    m_fenster.windowHandle()->installEventFilter(this);
}

bool FensterMitte::eventFilter(QObject *objekt, QEvent *ereignis)
{
    const QWindow &fenster = *m_fenster.windowHandle();
    const QSize aussen = fenster.frameGeometry().size();
    // While the window manager builds the frame, it can be smaller than the
    // window for a moment.
    if (aussen != m_aussen && aussen.expandedTo(fenster.size()) == aussen) {
        objekt->removeEventFilter(this);
        const QMargins rand = fenster.frameMargins();
        m_fenster.windowHandle()->setPosition(mittig(m_fenster.screen()->geometry(), aussen) +
                                              QPoint(rand.left(), rand.top()));
    }
    return QObject::eventFilter(objekt, ereignis);
}
