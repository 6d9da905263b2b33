#include "search/bytepaar.h"

#include "archive/cp1252.h"
#include "archive/zeichen_tausch.h"

#include <QString>

namespace {

std::array<int, 256> haeufigkeitTabelle()
{
    const QString haeufigste = QStringLiteral(" enisratdhulcgmobwfkzpv");
    std::array<int, 256> tabelle{};
    for (unsigned b = 0; b < 256; ++b) {
        const QChar klar =
            zeichen_tausch(QChar(cp1252::dekodiere(static_cast<unsigned char>(b)))).toLower();
        const qsizetype rang = haeufigste.indexOf(klar);
        tabelle[b] = rang < 0 ? 0 : static_cast<int>(haeufigste.size() - rang);
    }
    return tabelle;
}

} // namespace

int haeufigkeit(unsigned char byte)
{
    static const std::array<int, 256> tabelle = haeufigkeitTabelle();
    return tabelle[byte];
}

std::pair<std::size_t, std::size_t> seltensteStellen(std::string_view bytes, Paarart art)
{
    const auto seltenheit = [&](std::size_t i) {
        return haeufigkeit(static_cast<unsigned char>(bytes[i]));
    };
    if (art == Paarart::Nachbarn) {
        if (bytes.size() == 1)
            return {0, 0};
        const std::size_t breite = std::min<std::size_t>(3, bytes.size());
        const auto summe = [&](std::size_t j) {
            int s = 0;
            for (std::size_t k = j; k < j + breite; ++k)
                s += seltenheit(k);
            return s;
        };
        std::size_t beste = 0;
        for (std::size_t j = 1; j + breite <= bytes.size(); ++j) {
            if (summe(j) < summe(beste))
                beste = j;
        }
        return {beste, beste + 1};
    }
    std::size_t a = 0;
    for (std::size_t j = 1; j < bytes.size(); ++j) {
        if (seltenheit(j) < seltenheit(a))
            a = j;
    }
    std::size_t b = a == 0 ? std::min<std::size_t>(1, bytes.size() - 1) : 0;
    for (std::size_t j = 0; j < bytes.size(); ++j) {
        if (j != a && seltenheit(j) < seltenheit(b))
            b = j;
    }
    return {std::min(a, b), std::max(a, b)};
}
