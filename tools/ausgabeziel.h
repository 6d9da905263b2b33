#pragma once

#include <QBuffer>
#include <QFile>
#include <QIODevice>
#include <QSaveFile>
#include <QString>

// Where pack and unpack write: a file that changes only when everything was
// written (a temporary file renamed at the end), or standard output, which
// receives nothing unless the whole conversion succeeded. An existing device
// or pipe (/dev/stdout, a FIFO) is written directly: renaming a temporary
// file over it would replace the device itself.
class Ausgabeziel {
public:
    Ausgabeziel(const QString &pfad, QIODevice &standardAusgabe);

    [[nodiscard]] bool oeffnen();
    // False, with a message naming the output, when the bytes did not all go.
    [[nodiscard]] bool schreiben(const QByteArray &bytes);
    // Makes the output visible; false (and nothing visible) on a write error.
    [[nodiscard]] bool abschliessen();
    // Drops everything written; an existing file stays as it was.
    void verwerfen();

    QString fehler() const { return m_fehler; }

private:
    enum class Art { Standard, Datei, Geraet };

    QIODevice &geraet();
    [[nodiscard]] bool weitergeben(const QByteArray &bytes);

    Art m_art;

    QString m_pfad;
    QIODevice &m_standard;
    QSaveFile m_datei;
    QFile m_geraet;
    QBuffer m_puffer;
    QByteArray m_block; // what a file has still to get, written in large pieces
    QString m_fehler;
};
