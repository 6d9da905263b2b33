#include "ausgabeziel.h"

#include <QFileInfo>

Ausgabeziel::Ausgabeziel(const QString &pfad, QIODevice &standardAusgabe)
    : m_pfad(pfad), m_standard(standardAusgabe), m_datei(pfad)
{
}

bool Ausgabeziel::oeffnen()
{
    if (istStandard())
        return m_puffer.open(QIODevice::WriteOnly);
    if (QFileInfo(m_pfad).isDir()) {
        m_fehler = QStringLiteral("„%1“ ist ein Ordner").arg(m_pfad);
        return false;
    }
    if (!m_datei.open(QIODevice::WriteOnly)) {
        m_fehler = QStringLiteral("„%1“ kann nicht geschrieben werden: %2")
                       .arg(m_pfad, m_datei.errorString());
        return false;
    }
    return true;
}

QIODevice &Ausgabeziel::geraet()
{
    if (istStandard())
        return m_puffer;
    return m_datei;
}

bool Ausgabeziel::abschliessen()
{
    if (istStandard()) {
        const QByteArray &daten = m_puffer.data();
        if (m_standard.write(daten) != daten.size()) {
            m_fehler = QStringLiteral("Standardausgabe: %1").arg(m_standard.errorString());
            return false;
        }
        return true;
    }
    if (!m_datei.commit()) {
        m_fehler = QStringLiteral("„%1“ kann nicht geschrieben werden: %2")
                       .arg(m_pfad, m_datei.errorString());
        return false;
    }
    return true;
}

void Ausgabeziel::verwerfen()
{
    if (istStandard())
        m_puffer.close();
    else
        m_datei.cancelWriting();
}

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
