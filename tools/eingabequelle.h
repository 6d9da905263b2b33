#pragma once

#include <QFile>
#include <QIODevice>
#include <QString>

// Opens IN for reading: a regular file, or standard input for "-".
// Returns nullptr with a message when that is impossible.
class Eingabequelle {
public:
    Eingabequelle(const QString &pfad, QIODevice &standardEingabe);
    [[nodiscard]] QIODevice *oeffnen();
    QString fehler() const { return m_fehler; }

private:
    QString m_pfad;
    QIODevice &m_standard;
    QFile m_datei;
    QString m_fehler;
};
