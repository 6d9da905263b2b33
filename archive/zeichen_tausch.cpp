#include "archive/zeichen_tausch.h"

#include <array>
#include <utility>

namespace {

// Fixed for good: every archive ever written depends on this table.
//
// The search compares lower-cased scrambled forms, so each pair changes which
// plain characters the substring test treats alike. The letter pairs are
// chosen crosswise (e <-> N together with E <-> n): both cases of e land on the
// two cases of n, so e/E and n/N stay case-insensitive and distinct. That lets
// the table scramble the most frequent letters, which is what makes the file
// unreadable, at no cost to everyday searches. Only the rarest forms pay:
// x, y, Q (and the digits 5 and 6, and the mark §) lose their case partner,
// and four pairs of characters fall together instead, because their scrambled
// forms differ only in case: x and 5 (Y and y), Y and 6 (x and X), q and §
// (q and Q), a space and Ÿ (ÿ and Ÿ). A search for "x" finds "5" and one for
// "Q" misses "q". This is intended: the search compares scrambled forms so
// that no line is unscrambled to be tested, and the pairs are fixed.
// The space pairs with ÿ so that text and word gaps blur in a viewer.
// "#", "[", "]", "*", "?", "!" and "-" are in no pair: line markers and
// wildcards read the same scrambled and plain.
constexpr std::array<std::pair<char16_t, char16_t>, 11> paare{{
    {u'e', u'N'},
    {u'E', u'n'},
    {u'i', u'T'},
    {u'I', u't'},
    {u'a', u'R'},
    {u'A', u'r'},
    {u'x', u'Y'},
    {u'X', u'6'},
    {u'y', u'5'},
    {u'Q', u'\u00A7'}, // §
    {u'\u00FF', u' '}, // ÿ
}};

// Every pair lies within U+0000 to U+00FF, so one table there answers each
// character with a single look-up; the search calls this for every line.
constexpr std::array<char16_t, 256> tauschTabelle()
{
    std::array<char16_t, 256> tabelle{};
    for (unsigned i = 0; i < tabelle.size(); ++i)
        tabelle[i] = static_cast<char16_t>(i);
    for (const auto &[links, rechts] : paare) {
        tabelle[links] = rechts;
        tabelle[rechts] = links;
    }
    return tabelle;
}

constexpr auto tabelle = tauschTabelle();

} // namespace

QChar zeichen_tausch(QChar c)
{
    const char16_t u = c.unicode();
    return u < tabelle.size() ? QChar(tabelle[u]) : c;
}

QString zeichen_tausch(const QString &text)
{
    QString ergebnis(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i)
        ergebnis[i] = zeichen_tausch(text[i]);
    return ergebnis;
}
