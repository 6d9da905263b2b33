#pragma once

#include <QFile>
#include <QIODevice>
#include <QString>

#include <string>
#include <string_view>
#include <vector>

// Reads an archive sequentially, one line at a time, with a fixed-size buffer:
// memory grows with the longest line, never with the file.
//
// A line ends at CR LF or at a lone CR; the terminator is not part of the line.
// A lone LF is an ordinary character. The last line needs no terminator.
class ArchivLeser {
public:
    explicit ArchivLeser(const QString &pfad);
    // Reads from a device the caller has opened (standard input, a buffer).
    explicit ArchivLeser(QIODevice &geraet);

    // False when the file is missing, unreadable or not a regular file.
    [[nodiscard]] bool oeffnen();
    // The next raw line; the view stays valid until the next call. False at
    // the end of the archive and after a read error: a failed read is never
    // taken for the end, fehlgeschlagen() tells the two apart.
    [[nodiscard]] bool naechsteZeile(std::string_view &zeile);
    void schliessen();

    bool fehlgeschlagen() const { return !m_fehler.isEmpty(); }
    QString fehler() const { return m_fehler; }

private:
    bool nachladen();

    QFile m_datei;
    QIODevice *m_geraet;
    std::vector<char> m_puffer;
    std::size_t m_pos = 0;
    std::size_t m_ende = 0;
    bool m_dateiende = false;
    std::string m_lange; // a line that spans more than one buffer fill
    QString m_fehler;
};
