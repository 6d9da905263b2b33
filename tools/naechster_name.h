#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The known name closest to a mistyped one, for a "did you mean" hint: the
// fewest single-character insertions, deletions and substitutions, case
// ignored, and only when that is few for the length of what was typed
// (about one in three characters), so that a wild guess suggests nothing.
// On a tie the earlier of namen wins.
std::optional<QString> naechsterName(const QString &getippt, const QStringList &namen);
