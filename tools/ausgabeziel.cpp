#include "tools/ausgabeziel.h"

#include <QFileInfo>

#include <utility>

namespace {

QString schreibfehler(const QString &pfad, const QString &grund)
{
    return QStringLiteral("„%1“ kann nicht geschrieben werden: %2").arg(pfad, grund);
}

} // namespace

Ausgabeziel::Ausgabeziel(const QString &pfad, QIODevice &standardAusgabe)
    : m_pfad(pfad), m_standard(standardAusgabe), m_datei(pfad), m_geraet(pfad)
{
    const QFileInfo info(pfad);
    if (pfad == QStringLiteral("-"))
        m_art = Art::Standard;
    else if (info.exists() && !info.isFile() && !info.isDir())
        m_art = Art::Geraet;
    else
        m_art = Art::Datei;
}

bool Ausgabeziel::oeffnen()
{
    if (m_art == Art::Standard)
        return m_puffer.open(QIODevice::WriteOnly);
    if (m_art == Art::Geraet) {
        if (!m_geraet.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
            m_fehler = schreibfehler(m_pfad, m_geraet.errorString());
            return false;
        }
        return true;
    }
    if (QFileInfo(m_pfad).isDir()) {
        m_fehler = QStringLiteral("„%1“ ist ein Ordner").arg(m_pfad);
        return false;
    }
    // Unbuffered: a write the disk takes only in part says so at once. Buffered,
    // the flush at the end can drop the rest and still report success.
    if (!m_datei.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        m_fehler = schreibfehler(m_pfad, m_datei.errorString());
        return false;
    }
    return true;
}

QIODevice &Ausgabeziel::geraet()
{
    switch (m_art) {
    case Art::Standard:
        return m_puffer;
    case Art::Geraet:
        return m_geraet;
    case Art::Datei:
        break;
    }
    return m_datei;
}

bool Ausgabeziel::schreiben(const QByteArray &bytes)
{
    if (m_art != Art::Datei)
        return weitergeben(bytes);
    // The file is unbuffered (see oeffnen): pieces of this size keep the
    // number of writes small.
    constexpr qsizetype stueck = qsizetype{256} * 1024;
    m_block += bytes;
    if (m_block.size() < stueck)
        return true;
    const QByteArray block = std::exchange(m_block, {});
    return weitergeben(block);
}

bool Ausgabeziel::weitergeben(const QByteArray &bytes)
{
    const qint64 geschrieben = geraet().write(bytes);
    if (geschrieben == bytes.size())
        return true;
    // A short write sets no error of its own: the disk is full or the file
    // may grow no further.
    m_fehler =
        schreibfehler(m_pfad, geschrieben < 0 ? geraet().errorString()
                                              : QStringLiteral("nur %1 von %2 Bytes geschrieben "
                                                               "(Platte voll?)")
                                                    .arg(geschrieben)
                                                    .arg(bytes.size()));
    return false;
}

bool Ausgabeziel::abschliessen()
{
    if (m_art == Art::Geraet) {
        m_geraet.close();
        return true;
    }
    if (m_art == Art::Standard) {
        const QByteArray &daten = m_puffer.data();
        if (m_standard.write(daten) != daten.size()) {
            m_fehler = QStringLiteral("Standardausgabe: %1").arg(m_standard.errorString());
            return false;
        }
        return true;
    }
    if (!weitergeben(std::exchange(m_block, {})))
        return false;
    if (!m_datei.commit()) {
        m_fehler = schreibfehler(m_pfad, m_datei.errorString());
        return false;
    }
    return true;
}

void Ausgabeziel::verwerfen()
{
    m_puffer.close();
    m_geraet.close();
    if (m_datei.isOpen())
        m_datei.cancelWriting();
}
