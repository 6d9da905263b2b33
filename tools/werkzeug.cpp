#include "tools/werkzeug.h"

#include "tools/abbruch.h"
#include "tools/befehle.h"
#include "tools/befehlszeile.h"
#include "version.h"

#include <QCommandLineParser>

#include <array>
#include <utility>

namespace {

using Befehl = int (*)(const QStringList &, Kanaele &);

const std::array<std::pair<QString, Befehl>, 7> befehle{{
    {QStringLiteral("pack"), packen},
    {QStringLiteral("unpack"), entpacken},
    {QStringLiteral("check"), pruefen},
    {QStringLiteral("search"), suchen},
    {QStringLiteral("category"), kategorie},
    {QStringLiteral("random"), zufall},
    {QStringLiteral("add"), hinzufuegen},
}};

int ausfuehren(const QStringList &argumente, Kanaele &k)
{
    // The options before the subcommand; everything from the subcommand on
    // is its own to read.
    QCommandLineParser parser;
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    const QCommandLineOption hilfe = hilfeOption();
    const QCommandLineOption version = versionOption();
    parser.addOptions({hilfe, version});
    const bool gelesen = parser.parse(QStringList{QStringLiteral("sprho-archiv")} + argumente);

    const QStringList rest = parser.positionalArguments();
    if (parser.isSet(hilfe) || rest.value(0) == QStringLiteral("help")) {
        k.schreiben(hilfetext());
        return status::ok;
    }
    if (!gelesen)
        falschBedient(QStringLiteral("unbekannter Befehl „%1“").arg(argumente.first()));
    if (parser.isSet(version)) {
        k.schreiben(QStringLiteral("sprho-archiv %1\n").arg(QLatin1StringView(sprho::version)));
        return status::ok;
    }
    if (rest.isEmpty())
        falschBedient(QStringLiteral("kein Befehl angegeben"));
    for (const auto &[name, befehl] : befehle) {
        if (rest.first() == name)
            return befehl(rest.sliced(1), k);
    }
    falschBedient(QStringLiteral("unbekannter Befehl „%1“").arg(rest.first()));
}

} // namespace

int sprhoArchiv(const QStringList &argumente, Kanaele &k)
{
    try {
        return ausfuehren(argumente, k);
    } catch (const Fertig &fertig) {
        k.schreiben(fertig.ausgabe);
        return status::ok;
    } catch (const Abbruch &abbruch) {
        k.melden(abbruch.meldung);
        return abbruch.status;
    }
}
