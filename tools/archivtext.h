#pragma once

#include "tools/ersetzer.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// Readable texts on their way into an archive, shared by pack and add.

// The archive line for a text: scrambled Windows-1252 bytes without the line
// end. A text it cannot hold ends the run, naming ort ("Zeile 3, ") and the
// column of the first character in the way.
QByteArray archivzeileFuer(const QString &text, const QString &ort);

// Replaces what cannot be held (--replace) and keeps count: how many
// characters, and the first few places for the summary.
class Ersetzungen {
public:
    QString ersetzen(const QString &text, const QString &ort);
    qint64 anzahl() const { return m_anzahl; }
    // " (Zeile 3: „―“ → „-“; …)", or empty when nothing was replaced. Every
    // ort ends in ", " as archivzeileFuer takes it.
    QString beispiele() const;

private:
    Ersetzer m_ersetzer;
    qint64 m_anzahl = 0;
    QStringList m_beispiele;
};
