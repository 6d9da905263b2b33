#pragma once

#include "search/such_anzeige.h"

// A SuchAnzeige without a window: keeps the list and the count message in
// memory. The command-line tool and the tests use it.
class SpeicherAnzeige : public SuchAnzeige {
public:
    void ergebnisseLeeren() override { m_eintraege.clear(); }
    void ergebnisseHinzufuegen(const QStringList &texte) override;
    void anzahlSetzen(const QString &meldung) override { m_anzahl = meldung; }

    // The entries in the order the window's list shows them.
    const QStringList &eintraege() const { return m_eintraege; }
    QString anzahlMeldung() const { return m_anzahl; }

private:
    QStringList m_eintraege;
    QString m_anzahl;
};
