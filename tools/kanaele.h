#pragma once

#include "search/suchmaschine.h"

#include <QByteArray>
#include <QIODevice>
#include <QString>

// The tool's standard streams, injectable so that tests run it in-process.
struct Kanaele {
    QIODevice &ein;
    QIODevice &aus;
    QIODevice &fehler;
    bool eingabeIstTerminal = false;
    // How search, category and add open the archive; empty: by its file
    // name. Tests hand in devices that fail.
    Suchmaschine::Geraeteoeffner archivOeffnen = {};

    void schreiben(const QString &text) { aus.write(text.toUtf8()); }
    void melden(const QString &text) { fehler.write(text.toUtf8() + '\n'); }
};

// Exit status of every subcommand.
namespace status {
constexpr int ok = 0;
constexpr int fehler = 1;
constexpr int bedienung = 2;
} // namespace status
