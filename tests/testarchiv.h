#pragma once

// Test archives, written the one way the tool packs them, and read through failing devices.
#include "archive/archiv_leser.h"
#include "archive/archivzeile.h"
#include "tests/fehlgeraet.h"

#include <QFile>
#include <QStringList>

// Readable lines, scrambled, in Windows-1252, each ended by CR LF.
inline QByteArray gepackt(const QStringList &zeilen)
{
    QByteArray alles;
    QByteArray zeile;
    for (const QString &text : zeilen) {
        if (archivzeile(text, zeile))
            qFatal("nicht packbar: %s", qPrintable(text));
        alles += zeile + "\r\n";
    }
    return alles;
}

inline void schreiben(const QString &pfad, const QByteArray &bytes)
{
    QFile datei(pfad);
    if (!datei.open(QIODevice::WriteOnly) || datei.write(bytes) != bytes.size())
        qFatal("nicht geschrieben: %s", qPrintable(pfad));
}

// Three reader blocks of list entries ("[Eintrag 0" ...): every pass reads to the end.
inline QByteArray dreiBloeckeArchiv()
{
    QByteArray daten;
    for (int i = 0; daten.size() < qsizetype(3 * ArchivLeser::blockgroesse); ++i)
        daten += gepackt({QStringLiteral("[Eintrag %1").arg(i)});
    return daten;
}

// Where the reader's reads meet a failure: at the edges of its block size, twice that, between CR
// and LF, and at the very end instead of the end of file.
inline QList<std::pair<const char *, qint64>> fehlerstellen(const QByteArray &daten)
{
    constexpr auto puffer = qint64(ArchivLeser::blockgroesse);
    return {{"sofort", 0},
            {"nach einem Byte", 1},
            {"Puffer - 1", puffer - 1},
            {"Puffer", puffer},
            {"Puffer + 1", puffer + 1},
            {"zwei Puffer", 2 * puffer},
            {"zwischen CR und LF", daten.indexOf("\r\n", puffer + 7) + 1},
            {"statt Dateiende", daten.size()}};
}
