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

    // Each of these fails (abbruch.h) with a message naming the output.
    void oeffnen();
    // Fails when the bytes did not all go.
    void schreiben(const QByteArray &bytes);
    // Makes the output visible; fails (and nothing is visible) on a write error.
    void abschliessen();
    // Drops everything written; an existing file stays as it was.
    void verwerfen();

private:
    enum class Art { Standard, Datei, Geraet };

    QIODevice &geraet();
    void weitergeben(const QByteArray &bytes);

    Art m_art;

    QString m_pfad;
    QIODevice &m_standard;
    QSaveFile m_datei;
    QFile m_geraet;
    QBuffer m_puffer;
    QByteArray m_block; // what a file has still to get, written in large pieces
};
