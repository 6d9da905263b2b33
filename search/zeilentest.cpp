#include "search/zeilentest.h"

#include "archive/zeichen_tausch.h"

Zeilentest::Zeilentest(const QString &begriff)
    : m_teilstring(zeichen_tausch(begriff)), m_muster(zeichen_tausch(begriff))
{
    if (m_teilstring.leer()) {
        m_jedeZeile = true;
    } else if (!m_teilstring.unmoeglich()) {
        m_paare.push_back(m_teilstring.bytepaar());
        m_nachbarpaare.push_back(m_teilstring.bytepaar(Paarart::Nachbarn));
    }
    // A term without wildcards matches as a pattern only the line that is
    // exactly the term, and that line holds the term: the substring test's
    // pair finds it already.
    const bool schonGefunden = m_muster.ohnePlatzhalter() && !m_teilstring.unmoeglich();
    if (m_muster.erfuellbar() && !schonGefunden) {
        if (const auto paar = m_muster.bytepaar()) {
            m_paare.push_back(*paar);
            m_nachbarpaare.push_back(*m_muster.bytepaar(Paarart::Nachbarn));
        } else
            m_jedeZeile = true;
    }
}
