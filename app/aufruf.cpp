#include "app/aufruf.h"

#include "version.h"

#include <QCommandLineParser>

#include <iostream>

namespace {

const QString hilfe =
    QStringLiteral("Aufruf: sprho [ARCHIV]\n"
                   "\n"
                   "Öffnet das Fenster von Spruchhort. Gesucht wird im Archiv ARCHIV, ohne Angabe\n"
                   "in sprho.dat im Arbeitsordner.\n"
                   "\n"
                   "Rückgabewert: 0 nach dem Beenden, 1 nach einer gescheiterten Suche, 2 bei\n"
                   "falscher Bedienung.\n"
                   "\n"
                   "  -h, --help     diese Hilfe\n"
                   "  -v, --version  die Version\n");

Aufruf beenden(std::ostream &strom, const QString &text, int status)
{
    strom << text.toStdString() << std::flush;
    return {{}, {}, status};
}

Aufruf falsch(const QString &was)
{
    return beenden(std::cerr,
                   QStringLiteral("sprho: %1\n„sprho --help“ zeigt die Bedienung.\n").arg(was), 2);
}

// An option as the user wrote it, from the name the parser gives back.
QString geschrieben(const QStringList &argumente, const QString &name)
{
    for (const QString &argument : argumente) {
        if (argument == QStringLiteral("--"))
            break;
        QString ohneStriche = argument.section(u'=', 0, 0);
        while (ohneStriche.startsWith(u'-'))
            ohneStriche.remove(0, 1);
        if (argument.startsWith(u'-') && ohneStriche == name)
            return argument.section(u'=', 0, 0);
    }
    return name;
}

} // namespace

Aufruf aufrufLesen(const QStringList &argumente)
{
    QCommandLineParser parser;
    // Like the toolkit's own options, -session is one word with one dash.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption hilfeOption(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    // A session manager restarts a program of this toolkit with -session ID;
    // the toolkit takes it, the window has no state to restore.
    const QCommandLineOption sitzung(QStringLiteral("session"), QString(), QStringLiteral("ID"));
    parser.addOptions({hilfeOption, version, sitzung});

    // The parser's own messages are English; only what failed is taken from it.
    const bool gelesen = parser.parse(QStringList{QStringLiteral("sprho")} + argumente);
    if (parser.isSet(hilfeOption))
        return beenden(std::cout, hilfe, 0);
    if (const QStringList unbekannt = parser.unknownOptionNames(); !unbekannt.isEmpty()) {
        return falsch(QStringLiteral("unbekannte Option „%1“")
                          .arg(geschrieben(argumente, unbekannt.first())));
    }
    if (!gelesen) { // a value missing after -session, or given to --help or --version
        const QString option = parser.errorText().section(u'\'', 1, 1);
        return falsch((parser.errorText().startsWith(QStringLiteral("Missing"))
                           ? QStringLiteral("„%1“ erwartet einen Wert")
                           : QStringLiteral("„%1“ nimmt keinen Wert"))
                          .arg(option));
    }
    if (parser.isSet(version))
        return beenden(std::cout,
                       QStringLiteral("sprho %1\n").arg(QLatin1StringView(sprho::version)), 0);
    const QStringList rest = parser.positionalArguments();
    if (rest.size() > 1)
        return falsch(QStringLiteral("nur ein ARCHIV erwartet, nicht auch „%1“").arg(rest[1]));

    Aufruf aufruf{rest.value(0), {}, {}};
    if (parser.isSet(sitzung))
        aufruf.qtArgumente = {QStringLiteral("-session"), parser.value(sitzung)};
    return aufruf;
}
