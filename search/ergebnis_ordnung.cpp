#include "search/ergebnis_ordnung.h"

#include <QCollator>
#include <QLocale>

#include <algorithm>
#include <numeric>
#include <optional>
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
    // A key is as long as its text: for an entry of megabytes it would cost a
    // second and hundreds of megabytes, while a comparison of two texts stops
    // at their first difference. Long texts are compared directly, in the
    // same collation, which orders exactly as the keys do.
    constexpr qsizetype schluesselGrenze = 1000;
    std::vector<std::optional<QCollatorSortKey>> schluessel;
    schluessel.reserve(static_cast<std::size_t>(texte.size()));
    for (const QString &text : std::as_const(texte)) {
        if (text.size() <= schluesselGrenze)
            schluessel.emplace_back(kollator().sortKey(text));
        else
            schluessel.emplace_back();
    }

    std::vector<std::size_t> reihe(schluessel.size());
    std::iota(reihe.begin(), reihe.end(), std::size_t{0});
    std::stable_sort(reihe.begin(), reihe.end(), [&](std::size_t x, std::size_t y) {
        const QString &a = texte[static_cast<qsizetype>(x)];
        const QString &b = texte[static_cast<qsizetype>(y)];
        const int vergleich = schluessel[x] && schluessel[y]
                                  ? schluessel[x]->compare(*schluessel[y])
                                  : kollator().compare(a, b);
        if (vergleich != 0)
            return vergleich < 0;
        return a < b;
    });

    QStringList sortiert;
    sortiert.reserve(texte.size());
    for (const std::size_t i : reihe)
        sortiert.append(texte[static_cast<qsizetype>(i)]);
    texte = std::move(sortiert);
}
