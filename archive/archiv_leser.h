#pragma once

#include <QFile>
#include <QIODevice>
#include <QString>

#include <memory>
#include <string_view>

// Reads an archive sequentially, in blocks of whole lines or one line at a
// time, with one buffer: memory grows with the longest line, never with the
// file.
//
// A line ends at CR LF or at a lone CR; the terminator is not part of the line.
// A lone LF is an ordinary character. The last line needs no terminator.
//
// Plain read() into one quarter-megabyte buffer, on the caller's thread, on
// purpose: on a two-core machine neither a read-ahead thread nor mapping the
// file made a pass faster (bench/README.md has the numbers). The buffer stays
// in the core's cache for the scan; a mapping trades the copy for cache
// misses and needs a SIGBUS guard against files cut short.
class ArchivLeser {
public:
    // Bytes asked of the file at once; a block holds at most this much
    // unless a single line is longer.
    static constexpr std::size_t blockgroesse = std::size_t{256} * 1024;

    explicit ArchivLeser(const QString &pfad);
    // Reads from a device the caller has opened (standard input, a buffer).
    explicit ArchivLeser(QIODevice &geraet);
    // Reads from an open device and closes it when done.
    explicit ArchivLeser(std::unique_ptr<QIODevice> geraet);

    // False when the file is missing, unreadable or not a regular file.
    [[nodiscard]] bool oeffnen();

    // The next block of whole lines: it starts at the beginning of a line and
    // ends just after a line's terminator, or at the end of the file. The view
    // stays valid until the next call. False at the end of the archive and
    // after a read error: a failed read is never taken for the end,
    // fehlgeschlagen() tells the two apart.
    [[nodiscard]] bool naechsterBlock(std::string_view &block);
    // The next raw line, on the same terms.
    [[nodiscard]] bool naechsteZeile(std::string_view &zeile);
    void schliessen();

    bool fehlgeschlagen() const { return !m_fehler.isEmpty(); }
    QString fehler() const { return m_fehler; }

private:
    bool nachladen();
    std::size_t blockende() const;

    QFile m_datei;
    std::unique_ptr<QIODevice> m_eigenesGeraet;
    QIODevice *m_geraet;
    // Left uninitialised: the reads fill it, and clearing a quarter megabyte
    // for every pass would cost more than a short archive's whole search.
    std::unique_ptr<char[]> m_puffer = std::make_unique_for_overwrite<char[]>(blockgroesse);
    std::size_t m_groesse = blockgroesse;
    std::size_t m_anfang = 0; // first byte not yet handed out
    std::size_t m_ende = 0;   // end of the bytes read
    bool m_dateiende = false;
    std::string_view m_block; // what naechsteZeile has not handed out yet
    QString m_fehler;
};
