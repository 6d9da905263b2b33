#pragma once

// The search as first written: line by line, a chain as a loop of passes, slow and plain on
// purpose. The engine's block scan must list the same with the same message on every archive.
#include "archive/archiv_leser.h"
#include "archive/archivzeile.h"
#include "archive/zeichen_tausch.h"
#include "search/ergebnis_ordnung.h"
#include "search/meldungen.h"
#include "search/platzhaltermuster.h"
#include "search/suchmaschine.h"
#include "search/teilstringsuche.h"

#include <QBuffer>
#include <QSet>

#include <array>

class Referenzsuche {
public:
    Referenzsuche(QByteArray archiv, qint16 bereich)
        : m_archiv(std::move(archiv)), m_bereich(bereich)
    {
    }

    void suchlauf(const QString &begriff) { kette({begriff}, 1); }

    void kette(const std::array<QString, 6> &begriffe, qsizetype laeufe = 6)
    {
        eintraege.clear();
        zeilen.clear();
        for (qsizetype i = 0; i < laeufe && eintraege.size() < Suchmaschine::trefferGrenze; ++i)
            pass(begriffe[std::size_t(i)]);
    }

    QStringList eintraege; // sorted as the list shows them
    QString meldung;
    QSet<qint64> zeilen;

private:
    void pass(const QString &begriff)
    {
        const QString muster = zeichen_tausch(leerzeichenEntfernen(begriff));
        const Teilstringsuche teilstring(muster);
        const Platzhaltermuster platzhalter(muster);
        QBuffer geraet(&m_archiv);
        geraet.open(QIODevice::ReadOnly);
        ArchivLeser leser(geraet);
        if (!leser.oeffnen())
            return;
        QStringList neu;
        qint64 nummer = 0;
        std::string_view zeile;
        while (leser.naechsteZeile(zeile)) {
            ++nummer;
            const auto gelesen = eintrag(zeile);
            if (!gelesen || gelesen->bereich != m_bereich)
                continue;
            if (m_bereich != 0) {
                neu.append(klartext(gelesen->text));
                continue;
            }
            if (zeilen.contains(nummer) ||
                !(teilstring.enthalten(zeile) || platzhalter.passt(zeile)))
                continue;
            neu.append(klartext(zeile));
            zeilen.insert(nummer);
            if (neu.size() == Suchmaschine::trefferGrenze)
                break;
        }
        eintraege.append(neu);
        ergebnisseSortieren(eintraege);
        meldung = meldungen::anzahl(eintraege.size());
    }

    QByteArray m_archiv;
    qint16 m_bereich;
};
