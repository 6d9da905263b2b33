#include "tools/eingabequelle.h"

#include <QFileInfo>

Eingabequelle::Eingabequelle(const QString &pfad, QIODevice &standardEingabe)
    : m_pfad(pfad), m_standard(standardEingabe), m_datei(pfad)
{
}

QIODevice *Eingabequelle::oeffnen()
{
    if (m_pfad == QStringLiteral("-"))
        return &m_standard;
    if (QFileInfo(m_pfad).isDir()) {
        m_fehler = QStringLiteral("„%1“ ist ein Ordner").arg(m_pfad);
        return nullptr;
    }
    if (!m_datei.open(QIODevice::ReadOnly)) {
        m_fehler =
            QStringLiteral("„%1“ kann nicht gelesen werden: %2").arg(m_pfad, m_datei.errorString());
        return nullptr;
    }
    return &m_datei;
}
