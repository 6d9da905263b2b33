#include "search/speicher_anzeige.h"

#include "search/ergebnis_ordnung.h"

void SpeicherAnzeige::ergebnisseHinzufuegen(const QStringList &texte)
{
    m_eintraege.append(texte);
    ergebnisseSortieren(m_eintraege);
}
