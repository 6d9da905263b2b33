#pragma once

#include "tools/kanaele.h"

#include <QCommandLineParser>
#include <QString>
#include <QStringList>

#include <map>
#include <optional>

// One subcommand's command line, read by QCommandLineParser and explained in
// the tool's own German words. "--" ends the options; --help shows the help.
class Befehlszeile {
public:
    explicit Befehlszeile(QString befehl);

    // An option without a value; the first name is the one to ask for.
    void schalter(const QStringList &namen);
    // An option with a value, and what to say when the value is missing.
    void wert(const QString &name, const QString &ohneWert);

    // Reads the arguments (without the subcommand). Returns the exit status
    // when the run ends here, after the help or a usage message.
    std::optional<int> lesen(const QStringList &argumente, Kanaele &k);

    bool gesetzt(const QString &name) const { return m_parser.isSet(name); }
    QString wertVon(const QString &name) const { return m_parser.value(name); }
    QStringList argumente() const { return m_parser.positionalArguments(); }

private:
    QString bedienfehler(const QStringList &argumente) const;

    QString m_befehl;
    QCommandLineParser m_parser;
    std::map<QString, QString> m_ohneWert;
};

// The whole help of sprho-archiv.
QString hilfetext();

// Reports wrong usage with a pointer to --help; returns status::bedienung.
int falscheBedienung(Kanaele &k, const QString &was);
