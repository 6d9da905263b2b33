#pragma once

#include <QString>
#include <QStringList>

class QListWidget;

// The window's lists keep the search's own order (German, case ignored),
// not the toolkit's, which would follow whatever locale the process has.
// A batch is merged with what the list holds and sorted once: thousands of
// entries are not inserted one by one into the middle.
void sortiertHinzufuegen(QListWidget &liste, const QStringList &neu);

// What a list row shows of a text. A row shows a few hundred characters at
// most, and the view lays out whatever a row holds: an entry of megabytes
// would cost seconds and gigabytes on every repaint. Longer texts are cut
// and end in "…"; the entry keeps its whole text for everything else.
QString listenText(const QString &text);

// The whole text of the selected entry, or an empty text when none is selected.
QString gewaehlterText(const QListWidget &liste);

// Single selection as the window's lists keep it: once an entry is chosen,
// the user can choose another one but not none. The toolkit's own single
// selection gives the choice back on Ctrl+click and Ctrl+Space, which would
// empty the current text or the results of a category.
void auswahlHalten(QListWidget &liste);

// Entering a list by keyboard puts the toolkit's cursor on the first entry
// without selecting it, so the first Down would skip that entry. While nothing
// is selected, the first Up or Down selects the entry under the cursor.
// Returns whether the key was used.
bool cursorEintragWaehlen(QListWidget &liste, int taste);
