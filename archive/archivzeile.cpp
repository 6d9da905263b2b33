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

QString bereichsname(qint16 bereich)
{
    static const std::array<QString, bereichAnzahl> namen{
        QStringLiteral("SMS-Datenbank"),
        QStringLiteral("Dumm-Anmach-Sprüche"),
        QStringLiteral("Weicheier"),
    };
    return namen.at(static_cast<std::size_t>(bereich));
}

QString mitBereichsmarke(const QString &text, qint16 bereich)
{
    return bereich == 0
               ? text
               : QChar::fromLatin1(bereichsmarken.at(static_cast<std::size_t>(bereich))) + text;
}

std::optional<QChar> markeAmAnfang(const QString &text)
{
    if (text.isEmpty())
        return std::nullopt;
    const char erstes = text.front().toLatin1(); // 0 outside Latin-1: no marker
    const auto gelesen = eintrag(std::string_view(&erstes, 1));
    if (gelesen && gelesen->bereich == 0)
        return std::nullopt;
    return text.front();
}

std::optional<Eintrag> eintrag(std::string_view rohzeile)
{
    const char erstes = rohzeile.empty() ? '\0' : rohzeile.front();
    if (erstes == kommentarMarke)
        return std::nullopt;
    for (qint16 bereich = 1; bereich < bereichAnzahl; ++bereich) {
        if (erstes == bereichsmarken[static_cast<std::size_t>(bereich)])
            return Eintrag{bereich, rohzeile.substr(1)};
    }
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
