#pragma once

#include <QObject>
#include <QSize>

class QWidget;

// Keeps a window's outer frame, title bar and borders included, centred on its
// screen at start. A window manager frames the window only after it is shown,
// so until then the outer size is the inner one. The window is therefore
// centred once more when its outer size first differs from the size it was
// centred with; after that it stays wherever it is, also when the user moves it.
class FensterMitte : public QObject {
public:
    // Centres the window now; it must have its final size.
    explicit FensterMitte(QWidget &fenster);

protected:
    bool eventFilter(QObject *objekt, QEvent *ereignis) override;

private:
    void zentrieren();

    QWidget &m_fenster;
    QSize m_aussen; // the outer size the window was centred with
};
