#include "ui/sortierte_liste.h"

#include "search/ergebnis_ordnung.h"

#include <QItemSelectionModel>
#include <QListWidget>
#include <QSignalBlocker>

namespace {

// More than a row of the result list or a tool tip shows on any screen, even
// in the narrowest characters.
constexpr qsizetype gezeigteZeichen = 500;

// An entry keeps the whole text beside the shortened one only when it was cut.
QString ganzerText(const QListWidgetItem &eintrag)
{
    const QVariant ganz = eintrag.data(Qt::UserRole);
    return ganz.isValid() ? ganz.toString() : eintrag.text();
}

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
        alle.append(ganzerText(*liste.item(i)));
    alle.append(neu);
    ergebnisseSortieren(alle);

    // Refilling is the program's doing, not a choice of the user.
    const QSignalBlocker sperre(liste);
    liste.clear();
    QStringList zeilen;
    zeilen.reserve(alle.size());
    for (const QString &text : std::as_const(alle))
        zeilen.append(listenText(text));
    liste.addItems(zeilen);
    for (int i = 0; i < liste.count(); ++i) {
        if (zeilen[i].size() != alle[i].size())
            liste.item(i)->setData(Qt::UserRole, alle[i]);
    }
}

QString listenText(const QString &text)
{
    if (text.size() <= gezeigteZeichen)
        return text;
    qsizetype laenge = gezeigteZeichen - 1;
    if (text[laenge - 1].isHighSurrogate())
        --laenge; // never half a character
    return text.first(laenge) + u'…';
}

QString gewaehlterText(const QListWidget &liste)
{
    const QList<QListWidgetItem *> gewaehlt = liste.selectedItems();
    return gewaehlt.isEmpty() ? QString() : ganzerText(*gewaehlt.first());
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
