#pragma once

#include "search/such_anzeige.h"

#include <functional>

class QLabel;
class QListWidget;

// Where the search puts its results in the window: the result list sucherg
// and the count message anzahlgef.
class FensterAnzeige : public SuchAnzeige {
public:
    // anzahlGeaendert runs after every new count message, before the pass
    // goes on, as a label's change event would.
    FensterAnzeige(QListWidget &liste, QLabel &anzahl, std::function<void()> anzahlGeaendert);

    void ergebnisseLeeren() override;
    void ergebnisseHinzufuegen(const QStringList &texte) override;
    void anzahlSetzen(const QString &meldung) override;

private:
    QListWidget &m_liste;
    QLabel &m_anzahl;
    std::function<void()> m_anzahlGeaendert;
};
