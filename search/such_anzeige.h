#pragma once

#include <QString>
#include <QStringList>

// What a search pass needs of the window's controls, and nothing more:
// the result list, the count message and the search box.
class SuchAnzeige {
public:
    virtual ~SuchAnzeige() = default;

    // The result list (sucherg). New entries take their place in the list's
    // sorted order; the pass hands over one batch at its end.
    virtual void ergebnisseLeeren() = 0;
    virtual void ergebnisseHinzufuegen(const QStringList &texte) = 0;
    virtual qsizetype ergebnisAnzahl() const = 0;

    // The count message (anzahlgef).
    virtual void anzahlSetzen(const QString &meldung) = 0;

    // The search box (suchen).
    virtual QString suchtext() const = 0;
    virtual void suchtextMarkieren(qsizetype start, qsizetype laenge) = 0;
};
