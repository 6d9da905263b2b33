#include "archive/archiv_leser.h"

#include <QFileInfo>

#include <cstring>

ArchivLeser::ArchivLeser(const QString &pfad) : m_datei(pfad), m_geraet(&m_datei) {}

ArchivLeser::ArchivLeser(QIODevice &geraet) : m_geraet(&geraet) {}

ArchivLeser::ArchivLeser(std::unique_ptr<QIODevice> geraet)
    : m_eigenesGeraet(std::move(geraet)), m_geraet(m_eigenesGeraet.get())
{
}

bool ArchivLeser::oeffnen()
{
    // A directory opens fine on some systems and then fails every read;
    // refuse it up front so the caller gets one clear failure.
    if (m_geraet == &m_datei) {
        const QFileInfo info(m_datei.fileName());
        if (info.exists() && !info.isFile()) {
            m_fehler = QStringLiteral("ist keine gewöhnliche Datei");
            return false;
        }
        if (!m_datei.open(QIODevice::ReadOnly)) {
            m_fehler = m_datei.errorString();
            return false;
        }
    }
    m_anfang = m_ende = 0;
    m_dateiende = false;
    m_block = {};
    return true;
}

// Where the whole lines among the unread bytes end: just after the last
// terminator whose end is known. A CR as the very last byte read may still
// get its LF from the next read, so it waits, unless the file has ended.
std::size_t ArchivLeser::blockende() const
{
    if (m_dateiende)
        return m_ende;
    const char *anfang = m_puffer.get() + m_anfang;
    std::size_t n = m_ende - m_anfang;
    if (n > 0 && anfang[n - 1] == '\r')
        --n;
    const void *cr = memrchr(anfang, '\r', n);
    if (!cr)
        return m_anfang;
    std::size_t ende =
        m_anfang + static_cast<std::size_t>(static_cast<const char *>(cr) - anfang) + 1;
    if (ende < m_ende && m_puffer[ende] == '\n')
        ++ende;
    return ende;
}

// Moves the unread bytes to the front and reads more behind them; a buffer
// that holds no whole line yet grows.
bool ArchivLeser::nachladen()
{
    if (m_dateiende || fehlgeschlagen())
        return false;
    if (m_anfang > 0) {
        std::memmove(m_puffer.get(), m_puffer.get() + m_anfang, m_ende - m_anfang);
        m_ende -= m_anfang;
        m_anfang = 0;
    }
    if (m_ende == m_groesse) {
        auto groesser = std::make_unique_for_overwrite<char[]>(m_groesse * 2);
        std::memcpy(groesser.get(), m_puffer.get(), m_ende);
        m_puffer = std::move(groesser);
        m_groesse *= 2;
    }
    const qint64 gelesen =
        m_geraet->read(m_puffer.get() + m_ende, static_cast<qint64>(m_groesse - m_ende));
    if (gelesen < 0) {
        m_fehler = m_geraet->errorString();
        if (m_fehler.isEmpty())
            m_fehler = QStringLiteral("Lesefehler");
        return false;
    }
    if (gelesen == 0)
        m_dateiende = true;
    m_ende += static_cast<std::size_t>(gelesen);
    return true;
}

bool ArchivLeser::naechsterBlock(std::string_view &block)
{
    for (;;) {
        const std::size_t ende = blockende();
        if (ende > m_anfang) {
            block = std::string_view(m_puffer.get() + m_anfang, ende - m_anfang);
            m_anfang = ende;
            return true;
        }
        if (m_dateiende || !nachladen())
            return false;
    }
}

bool ArchivLeser::naechsteZeile(std::string_view &zeile)
{
    if (m_block.empty() && !naechsterBlock(m_block))
        return false;
    const std::size_t cr = m_block.find('\r');
    if (cr == std::string_view::npos) { // the last line of the file
        zeile = m_block;
        m_block = {};
        return true;
    }
    zeile = m_block.substr(0, cr);
    std::size_t weiter = cr + 1;
    if (weiter < m_block.size() && m_block[weiter] == '\n')
        ++weiter;
    m_block.remove_prefix(weiter);
    return true;
}

void ArchivLeser::schliessen()
{
    if (m_geraet == &m_datei)
        m_datei.close();
}
