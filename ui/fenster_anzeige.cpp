#include "ui/fenster_anzeige.h"

#include "ui/sortierte_liste.h"

#include <QLabel>
#include <QListWidget>
#include <QSignalBlocker>

FensterAnzeige::FensterAnzeige(QListWidget &liste, QLabel &anzahl,
                               std::function<void()> anzahlGeaendert)
    : m_liste(liste), m_anzahl(anzahl), m_anzahlGeaendert(std::move(anzahlGeaendert))
{
}

void FensterAnzeige::ergebnisseLeeren()
{
    // Emptying the list is no choice of the user: the current text stays.
    const QSignalBlocker sperre(m_liste);
    m_liste.clear();
}

void FensterAnzeige::ergebnisseHinzufuegen(const QStringList &texte)
{
    sortiertHinzufuegen(m_liste, texte);
}

void FensterAnzeige::anzahlSetzen(const QString &meldung)
{
    m_anzahl.setText(meldung);
    m_anzahlGeaendert();
}
