#include "search/ergebnis_ordnung.h"

#include <QCollator>
#include <QLocale>

#include <algorithm>
#include <numeric>
#include <vector>

namespace {

const QCollator &kollator()
{
    static const QCollator instanz = [] {
        QCollator c(QLocale(QLocale::German, QLocale::Germany));
        c.setCaseSensitivity(Qt::CaseInsensitive);
        c.setNumericMode(false);
        return c;
    }();
    return instanz;
}

} // namespace

void ergebnisseSortieren(QStringList &texte)
{
    std::vector<QCollatorSortKey> schluessel;
    schluessel.reserve(static_cast<std::size_t>(texte.size()));
    for (const QString &text : std::as_const(texte))
        schluessel.push_back(kollator().sortKey(text));

    std::vector<std::size_t> reihe(schluessel.size());
    std::iota(reihe.begin(), reihe.end(), std::size_t{0});
    std::stable_sort(reihe.begin(), reihe.end(), [&](std::size_t x, std::size_t y) {
        const int vergleich = schluessel[x].compare(schluessel[y]);
        if (vergleich != 0)
            return vergleich < 0;
        return texte[static_cast<qsizetype>(x)] < texte[static_cast<qsizetype>(y)];
    });

    QStringList sortiert;
    sortiert.reserve(texte.size());
    for (const std::size_t i : reihe)
        sortiert.append(texte[static_cast<qsizetype>(i)]);
    texte = std::move(sortiert);
}
