#pragma once

#include <QCommandLineParser>
#include <QString>
#include <QStringList>

#include <optional>

// QCommandLineParser says what went wrong only in English sentences. This is
// the one place that reads them, for sprho, sprho-archiv and the benchmarks'
// generator alike, so that each tool speaks German about the same failure.
struct Parserfehler {
    enum class Art {
        UnbekannteOption, // "-x", "--bogus", "--bogus=1"
        WertFehlt,        // "--archive" as the last argument
        WertUnerwartet,   // "--help=1": a value given to an option without one
    };
    Art art;
    // The option as the user wrote it, without any "=value": "--bogus", "-0".
    QString option;
    // The whole argument that carries it: "--null=x" where option is "--null".
    QString argument;
};

// What parse(argumente) of this parser found wrong; nothing when it succeeded.
// argumente are the ones given to parse, the program's name first.
std::optional<Parserfehler> parserfehler(const QCommandLineParser &parser,
                                         const QStringList &argumente);

// The failure in German: „unbekannte Option „-x““, „„--session“ erwartet
// einen Wert“, „„-v“ nimmt keinen Wert“.
QString aufDeutsch(const Parserfehler &fehler);

// An option with its dashes, from its bare name: "-0", "--null".
QString mitStrichen(const QString &name);
