#include "ui/suchbegriff.h"

#include "search/suchmaschine.h"

namespace {

// The rule asks whether the term occurs in a run of 999 of the character.
constexpr qsizetype laengsterLauf = 999;

bool nurLauf(const QString &text, QChar zeichen)
{
    if (text.isEmpty() || text.size() > laengsterLauf)
        return false;
    for (const QChar c : text) {
        if (c != zeichen)
            return false;
    }
    return true;
}

} // namespace

bool suchbegriffBrauchbar(const QString &text)
{
    // Only spaces count as blank here; a tab alone is a term.
    if (leerzeichenEntfernen(text).isEmpty())
        return false;
    return !nurLauf(text, u'*') && !nurLauf(text, u'?');
}
