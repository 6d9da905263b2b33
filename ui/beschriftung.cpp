#include "ui/beschriftung.h"

#include <QLabel>
#include <QWidget>

#include <algorithm>
#include <array>
#include <utility>

void schriftgroessenSetzen(QWidget &wurzel)
{
    static constexpr std::array<std::pair<int, double>, 2> groessen{{{8, 8.25}, {10, 9.75}}};
    for (QWidget *widget : wurzel.findChildren<QWidget *>()) {
        if (!widget->testAttribute(Qt::WA_SetFont))
            continue;
        QFont schrift = widget->font();
        for (const auto &[ganz, genau] : groessen) {
            if (schrift.pointSize() == ganz) {
                schrift.setPointSizeF(genau);
                widget->setFont(schrift);
                break;
            }
        }
    }
}

void ganzZeigen(QLabel &label)
{
    label.resize(label.width(), std::max(label.height(), label.heightForWidth(label.width())));
}

void fett(QWidget &widget, bool an)
{
    QFont schrift = widget.font();
    schrift.setBold(an);
    widget.setFont(schrift);
}

void anUnterkanteAusrichten(QLabel &label, int unterkante)
{
    const int hoehe = label.heightForWidth(label.width());
    label.setGeometry(label.x(), unterkante - hoehe, label.width(), hoehe);
}
