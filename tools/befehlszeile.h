#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QList>
#include <QString>
#include <QStringList>

#include <map>

// One subcommand's command line, read by QCommandLineParser and explained in
// the tool's own German words. Its options, each with its German description,
// come from the one table in befehlszeile.cpp. "--" ends the options; --help
// ends the run with the help (Fertig), wrong usage with a failure
// (falschBedient).
class Befehlszeile {
public:
    explicit Befehlszeile(QString befehl);

    // Reads the arguments (without the subcommand).
    void lesen(const QStringList &argumente);

    bool gesetzt(const QString &name) const { return m_parser.isSet(name); }
    QString wertVon(const QString &name) const { return m_parser.value(name); }
    QStringList argumente() const { return m_parser.positionalArguments(); }

    // The options the subcommand knows, as written: "--archive", "-0", "--null".
    QStringList optionen() const;

    // The shared options, as read.
    bool archivGenannt() const;
    // The archive --archive names, or the one the search of archivsuche finds.
    QString archiv() const;
    bool bereichGenannt() const;
    qint16 bereich() const { return m_bereich; }
    bool nul() const;
    bool ersetzen() const;

private:
    QString bedienfehler(const QStringList &argumente) const;

    QString m_befehl;
    QCommandLineParser m_parser;
    QList<QCommandLineOption> m_optionen;
    std::map<QString, QString> m_ohneWert; // what to say when an option's value is missing
    qint16 m_bereich = 0;
};

// The subcommands, in the order of the help.
QStringList befehlsnamen();
// The options of sprho-archiv itself, before any subcommand.
QCommandLineOption hilfeOption();
QCommandLineOption versionOption();

// The whole help of sprho-archiv.
QString hilfetext();
