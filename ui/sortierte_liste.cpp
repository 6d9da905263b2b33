#include "ui/sortierte_liste.h"

#include "search/ergebnis_ordnung.h"

#include <QListWidget>
#include <QSignalBlocker>

void sortiertHinzufuegen(QListWidget &liste, const QStringList &neu)
{
    if (neu.isEmpty())
        return;
    QStringList alle;
    alle.reserve(liste.count() + neu.size());
    for (int i = 0; i < liste.count(); ++i)
        alle.append(liste.item(i)->text());
    alle.append(neu);
    ergebnisseSortieren(alle);

    // Refilling is the program's doing, not a choice of the user.
    const QSignalBlocker sperre(liste);
    liste.clear();
    liste.addItems(alle);
}

QString gewaehlterText(const QListWidget &liste)
{
    const QList<QListWidgetItem *> gewaehlt = liste.selectedItems();
    return gewaehlt.isEmpty() ? QString() : gewaehlt.first()->text();
}

bool cursorEintragWaehlen(QListWidget &liste, int taste)
{
    if (taste != Qt::Key_Down && taste != Qt::Key_Up)
        return false;
    QListWidgetItem *cursor = liste.currentItem();
    if (!cursor || !liste.selectedItems().isEmpty())
        return false;
    cursor->setSelected(true);
    return true;
}
