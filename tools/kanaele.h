#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QString>

// The tool's standard streams, injectable so that tests run it in-process.
struct Kanaele {
    QIODevice &ein;
    QIODevice &aus;
    QIODevice &fehler;
    bool eingabeIstTerminal = false;

    void schreiben(const QString &text) { aus.write(text.toUtf8()); }
    void melden(const QString &text) { fehler.write(text.toUtf8() + '\n'); }
};

// Exit status of every subcommand.
namespace status {
constexpr int ok = 0;
constexpr int fehler = 1;
constexpr int bedienung = 2;
} // namespace status
