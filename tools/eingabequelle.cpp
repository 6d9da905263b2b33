#include "tools/eingabequelle.h"

#include "tools/abbruch.h"

#include <QFileInfo>

Eingabequelle::Eingabequelle(const QString &pfad, QIODevice &standardEingabe)
    : m_pfad(pfad), m_standard(standardEingabe), m_datei(pfad)
{
}

QIODevice &Eingabequelle::oeffnen()
{
    if (m_pfad == QStringLiteral("-"))
        return m_standard;
    if (QFileInfo(m_pfad).isDir())
        scheitern(QStringLiteral("„%1“ ist ein Ordner").arg(m_pfad));
    if (!m_datei.open(QIODevice::ReadOnly))
        unlesbar(m_pfad, m_datei.errorString());
    return m_datei;
}
