#pragma once

#include <QFile>
#include <QIODevice>
#include <QString>

// Opens IN for reading: a regular file, or standard input for "-".
// Fails (abbruch.h) when that is impossible.
class Eingabequelle {
public:
    Eingabequelle(const QString &pfad, QIODevice &standardEingabe);
    QIODevice &oeffnen();

private:
    QString m_pfad;
    QIODevice &m_standard;
    QFile m_datei;
};
