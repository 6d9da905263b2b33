#pragma once

#include "archive/archivzeile.h"

#include <QIODevice>

#include <algorithm>
#include <cstring>

// A device that hands out its bytes up to a point and then fails every read,
// as a dying disk or a lost network share does.
class Fehlgeraet : public QIODevice {
public:
    Fehlgeraet(QByteArray daten, qint64 fehlerAb)
        : m_daten(std::move(daten)), m_fehlerAb(std::min(fehlerAb, qint64(m_daten.size())))
    {
        open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    }

    bool isSequential() const override { return true; }

protected:
    qint64 readData(char *ziel, qint64 hoechstens) override
    {
        if (m_pos >= m_fehlerAb) {
            setErrorString(QStringLiteral("Eingabe-/Ausgabefehler"));
            return -1;
        }
        const qint64 n = std::min(hoechstens, m_fehlerAb - m_pos);
        std::memcpy(ziel, m_daten.constData() + m_pos, std::size_t(n));
        m_pos += n;
        return n;
    }
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    QByteArray m_daten;
    qint64 m_fehlerAb;
    qint64 m_pos = 0;
};

// Three reader buffers full of list entries ("[Eintrag 0" ...), none of them
// in the main area: every pass reads to the end.
inline QByteArray dreiPufferArchiv()
{
    QByteArray daten;
    QByteArray zeile;
    for (int i = 0; daten.size() < 3 * 64 * 1024; ++i) {
        archivzeile(QStringLiteral("[Eintrag %1").arg(i), zeile);
        daten += zeile + "\r\n";
    }
    return daten;
}

// Where reads of a 64 KiB buffer meet a failure: at its edges, twice its
// size, between CR and LF, and at the very end instead of the end of file.
inline QList<std::pair<const char *, qint64>> fehlerstellen(const QByteArray &daten)
{
    constexpr qint64 puffer = 64 * 1024;
    return {{"sofort", 0},
            {"nach einem Byte", 1},
            {"Puffer - 1", puffer - 1},
            {"Puffer", puffer},
            {"Puffer + 1", puffer + 1},
            {"zwei Puffer", 2 * puffer},
            {"zwischen CR und LF", daten.indexOf("\r\n", puffer + 7) + 1},
            {"statt Dateiende", daten.size()}};
}
