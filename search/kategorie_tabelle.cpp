#include "search/kategorie_tabelle.h"

namespace {
// Fills a keyword slot that a category does not need; it is searched like any
// other term.
const QString frei = QStringLiteral("###");
} // namespace

bool KategorieTabelle::kateg_neu(const QString &name, const QString &wort1, const QString &wort2,
                                 const QString &wort3, const QString &wort4, const QString &wort5)
{
    if (kat_anzahl >= maxZeilen)
        return false;
    ++kat_anzahl;
    const auto n = static_cast<std::size_t>(kat_anzahl);
    kat_name[n] = name;
    kat_wort1[n] = wort1;
    kat_wort2[n] = wort2;
    kat_wort3[n] = wort3;
    kat_wort4[n] = wort4;
    kat_wort5[n] = wort5;
    return true;
}

void KategorieTabelle::kateg_laden()
{
    auto s = [](const char16_t *text) { return QString::fromUtf16(text); };
    kateg_neu(s(u"Alkohol & Co."), s(u"Alkohol"), s(u"Bier"), s(u"Drogen"), s(u"saufen"),
              s(u"Rausch"));
    kateg_neu(s(u"Frauen"), s(u"Frau"), s(u"Mädchen"), s(u"Dame"), s(u"Ehe"), frei);
    kateg_neu(s(u"Freunschaften"), s(u"Freundin"), s(u"Freund"), s(u"Partner"), s(u"Beziehung"),
              frei);
    kateg_neu(s(u"Kinder"), s(u"Mutter"), s(u"Vater"), s(u"Eltern"), s(u"Familie"),
              s(u"Spielplatz"));
    kateg_neu(s(u"Liebe"), s(u"Stern"), s(u"Himmel"), s(u"Bär"), s(u"süss"), s(u"süß"));
    kateg_neu(s(u"Männer"), s(u"Mann"), s(u"Junge"), s(u"Herr"), s(u"Ehe"), frei);
    kateg_neu(s(u"Sex"), s(u"Orgasmus"), s(u"schlafen"), frei, frei, frei);
    kateg_neu(s(u"Versaut"), s(u"Fotz"), s(u"fick"), s(u"bumsen"), s(u"blasen"), s(u"Sperma"));
    kateg_neu(s(u"Weihnachten"), s(u"Nikolaus"), s(u"Christkind"), s(u"Krippe"), s(u"Christbaum"),
              frei);
}

std::array<QString, 1 + KategorieTabelle::schlagwoerter>
KategorieTabelle::suchbegriffe(int zeile) const
{
    const auto i = static_cast<std::size_t>(zeile);
    return {kat_name[i], kat_wort1[i], kat_wort2[i], kat_wort3[i], kat_wort4[i], kat_wort5[i]};
}

QStringList KategorieTabelle::namen() const
{
    QStringList namen;
    for (int i = 1; i <= kat_anzahl; ++i)
        namen.append(kat_name[static_cast<std::size_t>(i)]);
    return namen;
}

int KategorieTabelle::zeileZu(const QString &name) const
{
    for (int i = 1; i <= kat_anzahl; ++i) {
        if (kat_name[static_cast<std::size_t>(i)] == name)
            return i;
    }
    return 0;
}
