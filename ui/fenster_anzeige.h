#pragma once

#include "search/such_anzeige.h"

#include <functional>

class QLabel;
class QLineEdit;
class QListWidget;

// The search's view of the window: the result list sucherg, the count
// message anzahlgef and the search box suchen.
class FensterAnzeige : public SuchAnzeige {
public:
    // anzahlGeaendert runs after every new count message, before the pass
    // goes on, as a label's change event would.
    FensterAnzeige(QListWidget &liste, QLabel &anzahl, QLineEdit &suchfeld,
                   std::function<void()> anzahlGeaendert);

    void ergebnisseLeeren() override;
    void ergebnisseHinzufuegen(const QStringList &texte) override;
    qsizetype ergebnisAnzahl() const override;
    void anzahlSetzen(const QString &meldung) override;
    QString suchtext() const override;
    void suchtextMarkieren(qsizetype start, qsizetype laenge) override;

private:
    QListWidget &m_liste;
    QLabel &m_anzahl;
    QLineEdit &m_suchfeld;
    std::function<void()> m_anzahlGeaendert;
};
