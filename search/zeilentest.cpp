#include "search/zeilentest.h"

#include "archive/zeichen_tausch.h"

Zeilentest::Zeilentest(const QString &begriff)
    : m_teilstring(zeichen_tausch(begriff)), m_muster(zeichen_tausch(begriff))
{
    if (m_teilstring.leer()) {
        m_jedeZeile = true;
    } else if (!m_teilstring.unmoeglich()) {
        m_paare.push_back(m_teilstring.bytepaar());
    }
    if (m_muster.erfuellbar()) {
        if (const auto paar = m_muster.bytepaar())
            m_paare.push_back(*paar);
        else
            m_jedeZeile = true;
    }
}
