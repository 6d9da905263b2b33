#include "sortierte_liste.h"

#include "ergebnis_ordnung.h"

#include <QItemSelectionModel>
#include <QListWidget>
#include <QSignalBlocker>

namespace {

class GehalteneAuswahl : public QItemSelectionModel {
public:
    using QItemSelectionModel::QItemSelectionModel;
    using QItemSelectionModel::select;

    void select(const QItemSelection &auswahl, SelectionFlags befehl) override
    {
        // A plain Clear is the program's: the list is being emptied or refilled.
        const bool vomNutzer = (befehl & (Select | Deselect | Toggle)) != 0;
        if (vomNutzer && !selectedIndexes().isEmpty() && nachherLeer(auswahl, befehl))
            return;
        QItemSelectionModel::select(auswahl, befehl);
    }

private:
    bool nachherLeer(const QItemSelection &auswahl, SelectionFlags befehl) const
    {
        QItemSelection nachher = (befehl & Clear) ? QItemSelection() : selection();
        for (const SelectionFlag art : {Select, Deselect, Toggle}) {
            if (befehl & art)
                nachher.merge(auswahl, art);
        }
        return nachher.indexes().isEmpty();
    }
};

} // namespace

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

void auswahlHalten(QListWidget &liste)
{
    QItemSelectionModel *vorher = liste.selectionModel();
    liste.setSelectionModel(new GehalteneAuswahl(liste.model(), &liste));
    delete vorher;
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
