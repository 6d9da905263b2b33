#pragma once

#include "search/such_anzeige.h"

#include <utility>

// A SuchAnzeige without a window: keeps the list, the count message and the
// search box in memory. The command-line tool and the tests use it.
class SpeicherAnzeige : public SuchAnzeige {
public:
    explicit SpeicherAnzeige(QString suchtext = {}) : m_suchtext(std::move(suchtext)) {}

    void ergebnisseLeeren() override { m_eintraege.clear(); }
    void ergebnisseHinzufuegen(const QStringList &texte) override;
    qsizetype ergebnisAnzahl() const override { return m_eintraege.size(); }
    void anzahlSetzen(const QString &meldung) override { m_anzahl = meldung; }
    QString suchtext() const override { return m_suchtext; }
    void suchtextMarkieren(qsizetype start, qsizetype laenge) override;

    // The entries in the order the window's list shows them.
    const QStringList &eintraege() const { return m_eintraege; }
    QString anzahlMeldung() const { return m_anzahl; }
    void setSuchtext(const QString &text) { m_suchtext = text; }
    // Start and length of the selection in the search box.
    std::pair<qsizetype, qsizetype> markierung() const { return m_markierung; }

private:
    QStringList m_eintraege;
    QString m_anzahl;
    QString m_suchtext;
    std::pair<qsizetype, qsizetype> m_markierung{-1, -1};
};
