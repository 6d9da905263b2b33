#include "archive/archiv_leser.h"

#include <QFileInfo>

#include <cstdlib>
#include <cstring>
#include <thread>

namespace {

// Whether the machine has a core to spare for the helper: the load average
// of the last minute leaves at least one idle.
bool einKernFrei()
{
    const unsigned kerne = std::thread::hardware_concurrency();
    double last = 0;
    return kerne >= 2 && getloadavg(&last, 1) == 1 && last <= kerne - 1.0;
}

} // namespace

ArchivLeser::ArchivLeser(const QString &pfad) : m_datei(pfad), m_geraet(&m_datei) {}

ArchivLeser::ArchivLeser(QIODevice &geraet) : m_geraet(&geraet) {}

ArchivLeser::ArchivLeser(std::unique_ptr<QIODevice> geraet)
    : m_eigenesGeraet(std::move(geraet)), m_geraet(m_eigenesGeraet.get())
{
}

bool ArchivLeser::oeffnen()
{
    m_vorausleser.reset(); // a helper of an earlier read stops before the file is opened again
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
    m_daten = m_puffer.get();
    m_imStueck = false;
    m_gelesen = 0;
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
    const char *anfang = m_daten + m_anfang;
    std::size_t n = m_ende - m_anfang;
    if (n > 0 && anfang[n - 1] == '\r')
        --n;
    const void *cr = memrchr(anfang, '\r', n);
    if (!cr)
        return m_anfang;
    std::size_t ende =
        m_anfang + static_cast<std::size_t>(static_cast<const char *>(cr) - anfang) + 1;
    if (ende < m_ende && m_daten[ende] == '\n')
        ++ende;
    return ende;
}

// Moves the unread bytes to the front and reads more behind them; a buffer
// that holds no whole line yet grows.
bool ArchivLeser::nachladen()
{
    if (m_dateiende || fehlgeschlagen())
        return false;
    if (m_vorausleser)
        return nachladenVoraus();
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
        m_daten = m_puffer.get();
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
    m_gelesen += static_cast<std::size_t>(gelesen);
    if (m_vorauslesen != Vorauslesen::Nie && !m_dateiende &&
        m_gelesen >= vorauslesenNach * blockgroesse) {
        if (m_vorauslesen == Vorauslesen::Immer || einKernFrei())
            m_vorausleser = std::make_unique<Vorausleser>(*m_geraet, 2 * blockgroesse, vorraum);
        m_vorauslesen = Vorauslesen::Nie; // asked once per read
    }
    return true;
}

// The next piece from the helper, behind the unread bytes: a short rest is
// put in front of the piece, which is then read where it lies; a rest longer
// than the room there (a long line) goes, with the piece, into m_puffer.
bool ArchivLeser::nachladenVoraus()
{
    Vorausleser::Stueck stueck{};
    if (!m_vorausleser->naechstes(stueck)) {
        m_fehler = m_vorausleser->fehler();
        return false;
    }
    if (stueck.laenge == 0) {
        m_dateiende = true;
        return true;
    }
    const std::size_t rest = m_ende - m_anfang;
    if (rest > vorraum) {
        sammeln(stueck);
        return true;
    }
    char *neu = stueck.daten - rest;
    std::memcpy(neu, m_daten + m_anfang, rest);
    if (m_imStueck)
        m_vorausleser->freigeben();
    m_daten = neu;
    m_imStueck = true;
    m_anfang = 0;
    m_ende = rest + stueck.laenge;
    return true;
}

// The unread bytes and the piece behind them, in m_puffer, which grows as
// the line does.
void ArchivLeser::sammeln(const Vorausleser::Stueck &stueck)
{
    const std::size_t rest = m_ende - m_anfang;
    const std::size_t noetig = rest + stueck.laenge;
    if (noetig > m_groesse) {
        std::size_t groesse = m_groesse;
        while (groesse < noetig)
            groesse *= 2;
        auto neu = std::make_unique_for_overwrite<char[]>(groesse);
        std::memcpy(neu.get(), m_daten + m_anfang, rest);
        m_puffer = std::move(neu);
        m_groesse = groesse;
    } else {
        std::memmove(m_puffer.get(), m_daten + m_anfang, rest);
    }
    std::memcpy(m_puffer.get() + rest, stueck.daten, stueck.laenge);
    if (m_imStueck)
        m_vorausleser->freigeben();
    m_vorausleser->freigeben();
    m_daten = m_puffer.get();
    m_imStueck = false;
    m_anfang = 0;
    m_ende = noetig;
}

bool ArchivLeser::naechsterBlock(std::string_view &block)
{
    for (;;) {
        const std::size_t ende = blockende();
        if (ende > m_anfang) {
            block = std::string_view(m_daten + m_anfang, ende - m_anfang);
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
    // The helper stops first: it may be reading the device. What it read
    // goes with it, so nothing more is handed out.
    if (m_vorausleser) {
        m_vorausleser.reset();
        m_daten = m_puffer.get();
        m_imStueck = false;
        m_anfang = m_ende = 0;
        m_dateiende = true;
        m_block = {};
    }
    if (m_geraet == &m_datei)
        m_datei.close();
}
