#include "ui/unterkante.h"

#include <QLabel>

void anUnterkanteAusrichten(QLabel &label, int unterkante)
{
    const int hoehe = label.heightForWidth(label.width());
    label.setGeometry(label.x(), unterkante - hoehe, label.width(), hoehe);
}
