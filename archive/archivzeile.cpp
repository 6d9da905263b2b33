#include "archive/archivzeile.h"

#include "archive/cp1252.h"
#include "archive/zeichen_tausch.h"

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

QString klartext(std::string_view rohzeile)
{
    return zeichen_tausch(cp1252::dekodiere(rohzeile));
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
