#pragma once

#include "tools/kanaele.h"

#include <QCommandLineParser>
#include <QString>
#include <QStringList>

#include <initializer_list>
#include <map>

// The options that several subcommands share: each is defined and read here
// only.
enum class Gemeinsam {
    Archiv,   // --archive DATEI
    Bereich,  // --area 0|1|2
    Null,     // -0, --null
    Ersetzen, // --replace
};

// One subcommand's command line, read by QCommandLineParser and explained in
// the tool's own German words. "--" ends the options; --help shows the help.
// Wrong usage ends the run (falschBedient).
class Befehlszeile {
public:
    Befehlszeile(QString befehl, std::initializer_list<Gemeinsam> gemeinsame = {});

    // An option without a value; the first name is the one to ask for.
    void schalter(const QStringList &namen);
    // An option with a value, and what to say when the value is missing.
    void wert(const QString &name, const QString &ohneWert);

    // Reads the arguments (without the subcommand). False when the help was
    // shown and the run ends here.
    [[nodiscard]] bool lesen(const QStringList &argumente, Kanaele &k);

    bool gesetzt(const QString &name) const { return m_parser.isSet(name); }
    QString wertVon(const QString &name) const { return m_parser.value(name); }
    QStringList argumente() const { return m_parser.positionalArguments(); }

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
    std::map<QString, QString> m_ohneWert;
    qint16 m_bereich = 0;
};

// The whole help of sprho-archiv.
QString hilfetext();
