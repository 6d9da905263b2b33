#include "archive/vorausleser.h"

Vorausleser::Vorausleser(QIODevice &geraet, std::size_t groesse, std::size_t vorraum)
    : m_geraet(geraet), m_groesse(groesse), m_vorraum(vorraum)
{
    for (auto &speicher : m_speicher)
        speicher = std::make_unique_for_overwrite<char[]>(vorraum + groesse);
    m_faden = std::thread([this] { lesen(); });
}

Vorausleser::~Vorausleser()
{
    {
        const std::lock_guard sperre(m_sperre);
        m_halt = true;
    }
    m_bedingung.notify_all();
    m_faden.join();
}

// The thread: reads into every piece the reader has given back, until the
// device ends or fails or the reader stops it.
void Vorausleser::lesen()
{
    for (std::size_t j = 0;; ++j) {
        {
            std::unique_lock sperre(m_sperre);
            m_bedingung.wait(sperre, [&] { return m_halt || j < m_freigegeben + stuecke; });
            if (m_halt)
                return;
        }
        char *ziel = m_speicher[j % stuecke].get() + m_vorraum;
        const qint64 gelesen = m_geraet.read(ziel, static_cast<qint64>(m_groesse));
        {
            const std::lock_guard sperre(m_sperre);
            m_laenge[j % stuecke] = gelesen;
            if (gelesen < 0) {
                m_fehler = m_geraet.errorString();
                if (m_fehler.isEmpty())
                    m_fehler = QStringLiteral("Lesefehler");
            }
            ++m_gelesen;
            m_fertig = gelesen <= 0;
        }
        m_bedingung.notify_all();
        if (gelesen <= 0)
            return;
    }
}

bool Vorausleser::naechstes(Stueck &stueck)
{
    std::unique_lock sperre(m_sperre);
    m_bedingung.wait(sperre, [&] { return m_gelesen > m_ausgegeben || m_fertig; });
    if (m_gelesen == m_ausgegeben) { // asked again after the end
        stueck = {nullptr, 0};
        return m_fehler.isEmpty();
    }
    const std::size_t j = m_ausgegeben++ % stuecke;
    if (m_laenge[j] < 0)
        return false;
    stueck = {m_speicher[j].get() + m_vorraum, static_cast<std::size_t>(m_laenge[j])};
    return true;
}

void Vorausleser::freigeben()
{
    {
        const std::lock_guard sperre(m_sperre);
        ++m_freigegeben;
    }
    m_bedingung.notify_all();
}

QString Vorausleser::fehler() const
{
    const std::lock_guard sperre(m_sperre);
    return m_fehler;
}
