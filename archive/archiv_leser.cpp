#include "archive/archiv_leser.h"

#include <QFileInfo>

#include <cstring>

namespace {
constexpr std::size_t pufferGroesse = std::size_t{64} * 1024;
}

ArchivLeser::ArchivLeser(const QString &pfad)
    : m_datei(pfad), m_geraet(&m_datei), m_puffer(pufferGroesse)
{
}

ArchivLeser::ArchivLeser(QIODevice &geraet) : m_geraet(&geraet), m_puffer(pufferGroesse) {}

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
    m_pos = m_ende = 0;
    m_dateiende = false;
    return true;
}

bool ArchivLeser::nachladen()
{
    if (m_dateiende)
        return false;
    const qint64 gelesen = m_geraet->read(m_puffer.data(), static_cast<qint64>(m_puffer.size()));
    if (gelesen < 0) {
        m_fehler = m_geraet->errorString();
        if (m_fehler.isEmpty())
            m_fehler = QStringLiteral("Lesefehler");
        m_dateiende = true;
        return false;
    }
    if (gelesen == 0) {
        m_dateiende = true;
        return false;
    }
    m_pos = 0;
    m_ende = static_cast<std::size_t>(gelesen);
    return true;
}

bool ArchivLeser::naechsteZeile(std::string_view &zeile)
{
    if (m_pos == m_ende && !nachladen())
        return false;
    m_lange.clear();
    bool gestueckelt = false;
    for (;;) {
        if (m_pos == m_ende && !nachladen()) {
            // The end of the file ends the last line; a read error loses it.
            zeile = m_lange;
            return !fehlgeschlagen();
        }
        const char *anfang = m_puffer.data() + m_pos;
        const std::size_t rest = m_ende - m_pos;
        const auto *cr = static_cast<const char *>(std::memchr(anfang, '\r', rest));
        if (!cr) {
            m_lange.append(anfang, rest);
            gestueckelt = true;
            m_pos = m_ende;
            continue;
        }
        const auto laenge = static_cast<std::size_t>(cr - anfang);
        m_pos += laenge + 1;
        if (gestueckelt) {
            m_lange.append(anfang, laenge);
            zeile = m_lange;
        } else {
            zeile = std::string_view(anfang, laenge);
        }
        // CR LF is one terminator; the LF may sit at the start of the next fill.
        // The view into the buffer must survive that refill, so copy it first.
        if (m_pos == m_ende) {
            if (!gestueckelt) {
                m_lange.assign(zeile);
                zeile = m_lange;
            }
            if (!nachladen())
                return !fehlgeschlagen();
        }
        if (m_puffer[m_pos] == '\n')
            ++m_pos;
        return true;
    }
}

void ArchivLeser::schliessen()
{
    if (m_geraet == &m_datei)
        m_datei.close();
}
