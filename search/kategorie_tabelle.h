#pragma once

#include <QString>
#include <QStringList>

#include <array>

// The fixed category table: a name (also the first search term) and five
// keywords per row. Rows are numbered from 1; slot 0 stays empty.
class KategorieTabelle {
public:
    static constexpr int maxZeilen = 200;
    static constexpr int schlagwoerter = 5;

    // Appends one row. Returns false, changing nothing, when the table is full.
    bool kateg_neu(const QString &name, const QString &wort1, const QString &wort2,
                   const QString &wort3, const QString &wort4, const QString &wort5);

    // Builds the program's nine categories.
    void kateg_laden();

    qint16 anzahl() const { return kat_anzahl; }
    // The names of rows 1 to anzahl(), in table order.
    QStringList namen() const;
    // Row i's six search terms: the name first, then the keywords in order.
    std::array<QString, 1 + schlagwoerter> suchbegriffe(int zeile) const;
    // The first row whose name equals name exactly, or 0.
    int zeileZu(const QString &name) const;

private:
    std::array<QString, maxZeilen + 1> kat_name;
    std::array<QString, maxZeilen + 1> kat_wort1;
    std::array<QString, maxZeilen + 1> kat_wort2;
    std::array<QString, maxZeilen + 1> kat_wort3;
    std::array<QString, maxZeilen + 1> kat_wort4;
    std::array<QString, maxZeilen + 1> kat_wort5;
    qint16 kat_anzahl = 0;
};
