#pragma once

#include <QIODevice>
#include <QString>

#include <array>
#include <condition_variable>
#include <cstddef>
#include <memory>
#include <mutex>
#include <thread>

// Reads a device ahead of its reader, on a thread of its own, in pieces of a
// fixed size, and hands them over in the device's order: while the reader
// scans one piece, the system copies the next ones out of the page cache on
// another core. At most `stuecke` pieces exist, so memory stays bounded
// whatever the file's size.
//
// The thread lives as long as the object: the destructor stops it and waits
// for it, so it never outlives the pass that made it. Nobody else may touch
// the device meanwhile.
class Vorausleser {
public:
    static constexpr std::size_t stuecke = 3;

    // Each piece holds up to groesse bytes, with vorraum bytes in front of
    // them that the reader may fill (with the unread rest of the piece
    // before, so that a line cut by the piece's edge becomes whole again).
    Vorausleser(QIODevice &geraet, std::size_t groesse, std::size_t vorraum);
    ~Vorausleser();
    Vorausleser(const Vorausleser &) = delete;
    Vorausleser &operator=(const Vorausleser &) = delete;

    struct Stueck {
        char *daten;        // vorraum bytes in front of it are free
        std::size_t laenge; // 0 at the end of the device
    };

    // The next piece. The reader keeps every piece it got until it gives the
    // oldest back with freigeben(). False after a read error (fehler()); a
    // piece of length 0 once the device has ended, and for every call after.
    [[nodiscard]] bool naechstes(Stueck &stueck);
    void freigeben();
    QString fehler() const;

private:
    void lesen();

    QIODevice &m_geraet;
    std::size_t m_groesse;
    std::size_t m_vorraum;
    std::array<std::unique_ptr<char[]>, stuecke> m_speicher;
    std::array<qint64, stuecke> m_laenge{};

    mutable std::mutex m_sperre;
    std::condition_variable m_bedingung;
    std::size_t m_gelesen = 0;     // pieces the thread has read
    std::size_t m_ausgegeben = 0;  // pieces handed to the reader
    std::size_t m_freigegeben = 0; // pieces the reader gave back
    bool m_halt = false;
    bool m_fertig = false; // the device has ended or failed: no more pieces
    QString m_fehler;
    std::thread m_faden; // last: it starts once everything above is ready
};
