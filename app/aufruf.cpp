#include "app/aufruf.h"

#include "archive/archiv_leser.h"
#include "kommandozeile/parserfehler.h"
#include "version.h"

#include <QCommandLineParser>
#include <QFileInfo>

#include <iostream>

namespace {

const QString hilfe = QStringLiteral(
    "Aufruf: sprho [ARCHIV]\n"
    "\n"
    "Öffnet das Fenster von Spruchhort. Gesucht wird im Archiv ARCHIV. Ohne Angabe\n"
    "liest jede Suche das erste vorhandene von ./sprho.dat, dem eigenen Archiv\n"
    "$XDG_DATA_HOME/spruchhort/sprho.dat (sonst ~/.local/share/spruchhort/sprho.dat)\n"
    "und spruchhort/sprho.dat in den Ordnern von $XDG_DATA_DIRS (sonst\n"
    "/usr/local/share und /usr/share), wie sprho-archiv.\n"
    "\n"
    "Rückgabewert: 0 nach dem Beenden; 1 nach einer gescheiterten Suche, bei\n"
    "unlesbarem ARCHIV oder ohne grafische Anzeige; 2 bei falscher Bedienung.\n"
    "\n"
    "  -h, --help     diese Hilfe\n"
    "  -v, --version  die Version\n");

Aufruf beenden(std::ostream &strom, const QString &text, int status)
{
    strom << text.toStdString() << std::flush;
    return {{}, {}, status};
}

// The window would open and fail only at the first search; better to say so
// at once. Before the application exists the system's error texts are
// English, so the usual reasons are said in German here.
std::optional<QString> unlesbar(const QString &archiv)
{
    ArchivLeser leser(archiv);
    if (leser.oeffnen())
        return std::nullopt;
    const QFileInfo info(archiv);
    QString grund = leser.fehler();
    if (!info.exists())
        grund = QStringLiteral("die Datei gibt es nicht");
    else if (info.isDir())
        grund = QStringLiteral("ist ein Ordner");
    else if (!info.isReadable())
        grund = QStringLiteral("keine Leserechte");
    return QStringLiteral("sprho: Archiv „%1“ kann nicht gelesen werden: %2\n").arg(archiv, grund);
}

// Without any of these the toolkit finds no display and aborts with a text in
// English.
bool anzeigeDa()
{
    return !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

Aufruf falsch(const QString &was)
{
    return beenden(std::cerr,
                   QStringLiteral("sprho: %1\n„sprho --help“ zeigt die Bedienung.\n").arg(was), 2);
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

    const QStringList mitName = QStringList{QStringLiteral("sprho")} + argumente;
    parser.parse(mitName);
    if (parser.isSet(hilfeOption))
        return beenden(std::cout, hilfe, 0);
    // An unknown option, a value missing after -session, or one given to
    // --help or --version.
    if (const auto fehler = parserfehler(parser, mitName))
        return falsch(aufDeutsch(*fehler));
    if (parser.isSet(version))
        return beenden(std::cout,
                       QStringLiteral("sprho %1\n").arg(QLatin1StringView(sprho::version)), 0);
    const QStringList rest = parser.positionalArguments();
    if (rest.size() > 1)
        return falsch(QStringLiteral("nur ein ARCHIV erwartet, nicht auch „%1“").arg(rest[1]));

    if (!rest.isEmpty()) {
        if (const auto meldung = unlesbar(rest[0]))
            return beenden(std::cerr, *meldung, 1);
    }
    if (!anzeigeDa()) {
        return beenden(std::cerr,
                       QStringLiteral("sprho: keine grafische Anzeige für das Fenster: DISPLAY, "
                                      "WAYLAND_DISPLAY und QT_QPA_PLATFORM sind nicht gesetzt\n"),
                       1);
    }
    Aufruf aufruf{rest.value(0), {}, {}};
    if (parser.isSet(sitzung))
        aufruf.qtArgumente = {QStringLiteral("-session"), parser.value(sitzung)};
    return aufruf;
}
