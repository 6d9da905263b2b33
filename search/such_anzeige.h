#pragma once

#include <QString>
#include <QStringList>

// Where a search pass puts what it finds: the result list and the count
// message. The engine only hands things over; it never reads back.
class SuchAnzeige {
public:
    virtual ~SuchAnzeige() = default;

    // The result list (sucherg). New entries take their place in the list's
    // sorted order; the pass hands over one batch at its end.
    virtual void ergebnisseLeeren() = 0;
    virtual void ergebnisseHinzufuegen(const QStringList &texte) = 0;

    // The count message (anzahlgef).
    virtual void anzahlSetzen(const QString &meldung) = 0;
};
