#pragma once

// The search as first written: line by line, slow and plain on purpose. The engine's block scan
// must find the same lines on every archive. Its substring test is written here from the rules,
// not taken from the engine: scramble the term with the pair table below, lower-case both sides
// character by character, look.
#include "archive/archivzeile.h"
#include "search/platzhaltermuster.h"
#include "search/puffersuche.h"

#include <array>

namespace referenz {

// The codec's eleven pairs, written out once more.
inline QString verwuerfelt(QString text)
{
    static const QString links = QStringLiteral("eEiIaAxXyQ\u00FF");
    static const QString rechts = QStringLiteral("NnTtRrY65\u00A7 ");
    for (QChar &c : text) {
        if (const qsizetype i = links.indexOf(c); i >= 0)
            c = rechts[i];
        else if (const qsizetype j = rechts.indexOf(c); j >= 0)
            c = links[j];
    }
    return text;
}

// Windows-1252 bytes as characters; 0x81, 0x8D, 0x8F, 0x90 and 0x9D stand for themselves.
inline QString dekodiert(QByteArrayView bytes)
{
    static const QString c1 =
        QStringLiteral(u"€\u0081‚ƒ„…†‡ˆ‰Š‹Œ\u008DŽ\u008F\u0090‘’“”•–—˜™š›œ\u009DžŸ");
    QString text;
    for (const char b : bytes) {
        const auto u = static_cast<unsigned char>(b);
        text += u >= 0x80 && u < 0xA0 ? c1[u - 0x80] : QChar(char16_t(u));
    }
    return text;
}

inline QString klein(QString text)
{
    for (QChar &c : text)
        c = c.toLower();
    return text;
}

// Does the raw line hold the term, case ignored? An empty line holds nothing, not even "".
inline bool enthalten(const QString &begriff, QByteArrayView zeile)
{
    return !zeile.isEmpty() && klein(dekodiert(zeile)).contains(klein(verwuerfelt(begriff)));
}

// The lines of an archive: CR LF or a lone CR ends one, the last needs no end.
inline QList<QByteArray> zeilen(const QByteArray &archiv)
{
    QList<QByteArray> liste = archiv.split('\r');
    for (qsizetype i = 1; i < liste.size(); ++i)
        liste[i].remove(0, liste[i].startsWith('\n') ? 1 : 0);
    if (liste.last().isEmpty())
        liste.removeLast();
    return liste;
}

inline std::string_view ansicht(const QByteArray &bytes)
{
    return {bytes.constData(), std::size_t(bytes.size())};
}

// Does the raw line fit the term (trimmed), as a substring or as a pattern?
inline bool passt(const QString &begriff, const Platzhaltermuster &muster, const QByteArray &zeile)
{
    return enthalten(begriff, zeile) || muster.passt(ansicht(zeile));
}

// The first `bedarf` main-area lines each term fits, in file order.
inline std::vector<std::vector<Fundstelle>> funde(const QByteArray &archiv,
                                                  const QStringList &begriffe, std::size_t bedarf)
{
    std::vector<std::vector<Fundstelle>> ergebnis(std::size_t(begriffe.size()));
    const QList<QByteArray> alle = zeilen(archiv);
    for (qsizetype t = 0; t < begriffe.size(); ++t) {
        const Platzhaltermuster muster(verwuerfelt(begriffe[t]));
        auto &liste = ergebnis[std::size_t(t)];
        for (qsizetype i = 0; i < alle.size() && liste.size() < bedarf; ++i) {
            const auto gelesen = eintrag(ansicht(alle[i]));
            if (gelesen && gelesen->bereich == 0 && passt(begriffe[t], muster, alle[i]))
                liste.push_back({i + 1, verwuerfelt(dekodiert(alle[i]))});
        }
    }
    return ergebnis;
}

} // namespace referenz

inline bool operator==(const Fundstelle &a, const Fundstelle &b)
{
    return a.zeile == b.zeile && a.text == b.text;
}
