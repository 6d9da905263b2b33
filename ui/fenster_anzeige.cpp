#include "ui/fenster_anzeige.h"

#include "ui/sortierte_liste.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>

FensterAnzeige::FensterAnzeige(QListWidget &liste, QLabel &anzahl, QLineEdit &suchfeld,
                               std::function<void()> anzahlGeaendert)
    : m_liste(liste), m_anzahl(anzahl), m_suchfeld(suchfeld),
      m_anzahlGeaendert(std::move(anzahlGeaendert))
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

qsizetype FensterAnzeige::ergebnisAnzahl() const
{
    return m_liste.count();
}

void FensterAnzeige::anzahlSetzen(const QString &meldung)
{
    m_anzahl.setText(meldung);
    m_anzahlGeaendert();
}

QString FensterAnzeige::suchtext() const
{
    return m_suchfeld.text();
}

void FensterAnzeige::suchtextMarkieren(qsizetype start, qsizetype laenge)
{
    m_suchfeld.setSelection(static_cast<int>(start), static_cast<int>(laenge));
}
