#include "archive/archivzeile.h"

#include "archive/cp1252.h"
#include "archive/zeichen_tausch.h"

#include <array>

std::optional<UngueltigesZeichen> archivzeile(const QString &klartext, QByteArray &bytes)
{
    bytes.clear();
    bytes.reserve(klartext.size());
    qsizetype spalte = 0;
    for (qsizetype i = 0; i < klartext.size(); ++i) {
        const QChar c = klartext[i];
        if (!c.isLowSurrogate())
            ++spalte;
        const auto byte = cp1252::kodiere(zeichen_tausch(c).unicode());
        if (!byte || c == u'\r' || cp1252::istUndefiniert(*byte)) {
            char32_t zeichen = c.unicode();
            if (c.isHighSurrogate() && i + 1 < klartext.size())
                zeichen = QChar::surrogateToUcs4(c, klartext[i + 1]);
            return UngueltigesZeichen{spalte, zeichen};
        }
        bytes.append(static_cast<char>(*byte));
    }
    return std::nullopt;
}

namespace {

// Every raw byte's readable character, decoded and unscrambled at once: each
// listed line passes through here.
std::array<char16_t, 256> klartextTabelle()
{
    std::array<char16_t, 256> tabelle{};
    for (unsigned b = 0; b < tabelle.size(); ++b)
        tabelle[b] =
            zeichen_tausch(QChar(cp1252::dekodiere(static_cast<unsigned char>(b)))).unicode();
    return tabelle;
}

} // namespace

QString klartext(std::string_view rohzeile)
{
    static const std::array<char16_t, 256> tabelle = klartextTabelle();
    QString text(static_cast<qsizetype>(rohzeile.size()), Qt::Uninitialized);
    char16_t *ziel = reinterpret_cast<char16_t *>(text.data());
    for (const char byte : rohzeile)
        *ziel++ = tabelle[static_cast<unsigned char>(byte)];
    return text;
}

std::optional<Eintrag> eintrag(std::string_view rohzeile)
{
    const char erstes = rohzeile.empty() ? '\0' : rohzeile.front();
    if (erstes == '#')
        return std::nullopt;
    if (erstes == '[')
        return Eintrag{1, rohzeile.substr(1)};
    if (erstes == ']')
        return Eintrag{2, rohzeile.substr(1)};
    return Eintrag{0, rohzeile};
}

Zeilenmaengel zeilenmaengel(std::string_view rohzeile)
{
    Zeilenmaengel maengel;
    maengel.einzelnesLf = rohzeile.find('\n') != std::string_view::npos;
    for (std::size_t i = 0; i < rohzeile.size(); ++i) {
        if (cp1252::istUndefiniert(static_cast<unsigned char>(rohzeile[i])))
            maengel.undefiniert.push_back(i);
    }
    return maengel;
}
