#include "tools/ausgabeziel.h"

#include "tools/abbruch.h"

#include <QFileInfo>

#include <utility>

namespace {

[[noreturn]] void schreibfehler(const QString &pfad, const QString &grund)
{
    scheitern(QStringLiteral("„%1“ kann nicht geschrieben werden: %2").arg(pfad, grund));
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

void Ausgabeziel::oeffnen()
{
    if (m_art == Art::Standard) {
        // A buffer in memory opens for writing whatever happens.
        m_puffer.open(QIODevice::WriteOnly);
        return;
    }
    if (m_art == Art::Geraet) {
        if (!m_geraet.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            schreibfehler(m_pfad, m_geraet.errorString());
        return;
    }
    if (QFileInfo(m_pfad).isDir())
        scheitern(QStringLiteral("„%1“ ist ein Ordner").arg(m_pfad));
    // Unbuffered: a write the disk takes only in part says so at once. Buffered,
    // the flush at the end can drop the rest and still report success.
    if (!m_datei.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        schreibfehler(m_pfad, m_datei.errorString());
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

void Ausgabeziel::schreiben(const QByteArray &bytes)
{
    if (m_art != Art::Datei) {
        weitergeben(bytes);
        return;
    }
    // The file is unbuffered (see oeffnen): pieces of this size keep the
    // number of writes small.
    constexpr qsizetype stueck = qsizetype{256} * 1024;
    m_block += bytes;
    if (m_block.size() >= stueck)
        weitergeben(std::exchange(m_block, {}));
}

void Ausgabeziel::weitergeben(const QByteArray &bytes)
{
    const qint64 geschrieben = geraet().write(bytes);
    if (geschrieben == bytes.size())
        return;
    // A short write sets no error of its own: the disk is full or the file
    // may grow no further.
    schreibfehler(m_pfad, geschrieben < 0 ? geraet().errorString()
                                          : QStringLiteral("nur %1 von %2 Bytes geschrieben "
                                                           "(Platte voll?)")
                                                .arg(geschrieben)
                                                .arg(bytes.size()));
}

void Ausgabeziel::abschliessen()
{
    if (m_art == Art::Geraet) {
        m_geraet.close();
        return;
    }
    if (m_art == Art::Standard) {
        const QByteArray &daten = m_puffer.data();
        if (m_standard.write(daten) != daten.size())
            scheitern(QStringLiteral("Standardausgabe: %1").arg(m_standard.errorString()));
        return;
    }
    weitergeben(std::exchange(m_block, {}));
    if (!m_datei.commit())
        schreibfehler(m_pfad, m_datei.errorString());
}

void Ausgabeziel::verwerfen()
{
    m_puffer.close();
    m_geraet.close();
    if (m_datei.isOpen())
        m_datei.cancelWriting();
}
