#pragma once

// The search as first written: line by line, a chain as a loop of passes, slow and plain on
// purpose. The engine's block scan must list the same with the same message on every archive.
// Its substring test is written here from the rules, not taken from the engine: scramble the term
// with the pair table below, lower-case both sides character by character, look.
#include "archive/archivzeile.h"
#include "search/ergebnis_ordnung.h"
#include "search/meldungen.h"
#include "search/platzhaltermuster.h"
#include "search/puffersuche.h"
#include "search/suchmaschine.h"

#include <QSet>

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
    if (liste.last().isEmpty() || (liste.size() > 1 && liste.last() == "\n"))
        liste.removeLast();
    for (qsizetype i = 1; i < liste.size(); ++i) {
        if (liste[i].startsWith('\n'))
            liste[i].remove(0, 1);
    }
    return liste;
}

inline std::string_view ansicht(const QByteArray &bytes)
{
    return {bytes.constData(), std::size_t(bytes.size())};
}

// The line test of a pass for a term (trimmed).
class Test {
public:
    explicit Test(const QString &begriff) : m_begriff(begriff), m_muster(verwuerfelt(begriff)) {}
    bool passt(const QByteArray &zeile) const
    {
        return enthalten(m_begriff, zeile) || m_muster.passt(ansicht(zeile));
    }

private:
    QString m_begriff;
    Platzhaltermuster m_muster;
};

inline bool hauptbereich(const QByteArray &zeile)
{
    const auto gelesen = eintrag(ansicht(zeile));
    return gelesen && gelesen->bereich == 0;
}

// The first `bedarf` main-area lines each term fits, in file order.
inline std::vector<std::vector<Fundstelle>> funde(const QByteArray &archiv,
                                                  const QStringList &begriffe, std::size_t bedarf)
{
    std::vector<std::vector<Fundstelle>> ergebnis(std::size_t(begriffe.size()));
    const QList<QByteArray> alle = zeilen(archiv);
    for (qsizetype t = 0; t < begriffe.size(); ++t) {
        const Test test(begriffe[t]);
        auto &liste = ergebnis[std::size_t(t)];
        for (qsizetype i = 0; i < alle.size() && liste.size() < bedarf; ++i) {
            if (hauptbereich(alle[i]) && test.passt(alle[i]))
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

class Referenzsuche {
public:
    Referenzsuche(QByteArray archiv, qint16 bereich)
        : m_zeilen(referenz::zeilen(archiv)), m_bereich(bereich)
    {
    }

    void suchlauf(const QString &begriff) { kette({begriff}, 1); }

    void kette(const std::array<QString, 6> &begriffe, qsizetype laeufe = 6)
    {
        eintraege.clear();
        m_gelistet.clear();
        for (qsizetype i = 0; i < laeufe && eintraege.size() < Suchmaschine::trefferGrenze; ++i)
            pass(begriffe[std::size_t(i)]);
    }

    QStringList eintraege; // sorted as the list shows them
    QString meldung;

private:
    void pass(const QString &begriff)
    {
        const referenz::Test test(leerzeichenEntfernen(begriff));
        QStringList neu;
        for (qsizetype i = 0; i < m_zeilen.size(); ++i) {
            const QByteArray &zeile = m_zeilen[i];
            const auto gelesen = eintrag(referenz::ansicht(zeile));
            if (!gelesen || gelesen->bereich != m_bereich)
                continue;
            if (m_bereich != 0) {
                neu.append(klartext(gelesen->text));
                continue;
            }
            if (m_gelistet.contains(i) || !test.passt(zeile))
                continue;
            neu.append(klartext(referenz::ansicht(zeile)));
            m_gelistet.insert(i);
            if (neu.size() == Suchmaschine::trefferGrenze)
                break;
        }
        eintraege.append(neu);
        ergebnisseSortieren(eintraege);
        meldung = meldungen::anzahl(eintraege.size());
    }

    QList<QByteArray> m_zeilen;
    qint16 m_bereich;
    QSet<qsizetype> m_gelistet;
};
