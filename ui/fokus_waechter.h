#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <map>

// Reports when watched controls gain and lose the keyboard focus, the way the
// window's GotFocus/LostFocus handlers expect it:
// - only moves inside the window count; switching to another window, opening
//   a menu or a message box and coming back report nothing;
// - a handler may move the focus on. The control the toolkit was about to
//   focus then never reports a loss for a gain it never reported.
class FokusWaechter : public QObject {
public:
    using Handler = std::function<void()>;

    explicit FokusWaechter(QObject *eltern) : QObject(eltern) {}

    void beobachten(QWidget &widget, Handler erhalten, Handler verloren);

protected:
    bool eventFilter(QObject *objekt, QEvent *ereignis) override;

private:
    struct Handlerpaar {
        Handler erhalten;
        Handler verloren;
    };

    void erhalten(QWidget *widget);
    void verloren(QWidget *widget);

    std::map<QObject *, Handlerpaar> m_beobachtet;
    QPointer<QWidget> m_gemeldet; // the control whose gain was reported last
};
