#pragma once

#include <QIODevice>

#include <algorithm>
#include <cstring>

// A device that hands out its bytes in reads of at most jeLesen bytes, like a pipe, and from
// fehlerAb on fails every read, as a dying disk or a lost network share does (fehlerAb < 0: never).
// Every write fails, as on a closed pipe.
class Fehlgeraet : public QIODevice {
public:
    Fehlgeraet(QByteArray daten, qint64 fehlerAb, qint64 jeLesen = 1 << 30)
        : m_daten(std::move(daten)), m_fehlerAb(fehlerAb < 0 ? m_daten.size() + 1 : fehlerAb),
          m_jeLesen(jeLesen)
    {
        open(QIODevice::ReadWrite | QIODevice::Unbuffered);
    }

    bool isSequential() const override { return true; }

protected:
    qint64 readData(char *ziel, qint64 hoechstens) override
    {
        if (m_pos >= m_fehlerAb) {
            setErrorString(QStringLiteral("Eingabe-/Ausgabefehler"));
            return -1;
        }
        const qint64 n =
            std::min({hoechstens, m_jeLesen, m_fehlerAb - m_pos, qint64(m_daten.size()) - m_pos});
        std::memcpy(ziel, m_daten.constData() + m_pos, std::size_t(n));
        m_pos += n;
        return n;
    }
    qint64 writeData(const char *, qint64) override
    {
        setErrorString(QStringLiteral("Eingabe-/Ausgabefehler"));
        return -1;
    }

private:
    QByteArray m_daten;
    qint64 m_fehlerAb;
    qint64 m_jeLesen;
    qint64 m_pos = 0;
};
