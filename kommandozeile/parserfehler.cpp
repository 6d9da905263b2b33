#include "kommandozeile/parserfehler.h"

namespace {

// The argument (before "--") that names the option, as written up to any
// "="; however many dashes it has.
std::optional<QString> geschrieben(const QStringList &argumente, const QString &name)
{
    for (const QString &argument : argumente.sliced(qMin(1, argumente.size()))) {
        if (argument == QStringLiteral("--"))
            break;
        QString ohneStriche = argument.section(u'=', 0, 0);
        while (ohneStriche.startsWith(u'-'))
            ohneStriche.remove(0, 1);
        if (argument.startsWith(u'-') && ohneStriche == name)
            return argument.section(u'=', 0, 0);
    }
    return std::nullopt;
}

// The first argument that gives option a value, "--null=x".
QString mitWert(const QStringList &argumente, const QString &option)
{
    for (const QString &argument : argumente) {
        if (argument == QStringLiteral("--"))
            break;
        if (argument.startsWith(option + u'='))
            return argument;
    }
    return option;
}

} // namespace

std::optional<Parserfehler> parserfehler(const QCommandLineParser &parser,
                                         const QStringList &argumente)
{
    // Unknown options first: the parser names them itself, without dashes;
    // several single letters may come from one "-xy".
    if (const QStringList unbekannt = parser.unknownOptionNames(); !unbekannt.isEmpty()) {
        const QString name = unbekannt.first();
        const QString option = geschrieben(argumente, name).value_or(mitStrichen(name));
        return Parserfehler{Parserfehler::Art::UnbekannteOption, option,
                            mitWert(argumente, option)};
    }
    // The other two are sentences that quote the option:
    // "Missing value after '--archive'." and "Unexpected value after '--help'."
    const QString text = parser.errorText();
    if (text.isEmpty())
        return std::nullopt;
    const QString option = text.section(u'\'', 1, 1);
    const auto art = text.startsWith(QStringLiteral("Missing")) ? Parserfehler::Art::WertFehlt
                                                                : Parserfehler::Art::WertUnerwartet;
    return Parserfehler{art, option, mitWert(argumente, option)};
}

QString aufDeutsch(const Parserfehler &fehler)
{
    switch (fehler.art) {
    case Parserfehler::Art::UnbekannteOption:
        return QStringLiteral("unbekannte Option „%1“").arg(fehler.option);
    case Parserfehler::Art::WertFehlt:
        return QStringLiteral("„%1“ erwartet einen Wert").arg(fehler.option);
    case Parserfehler::Art::WertUnerwartet:
        break;
    }
    return QStringLiteral("„%1“ nimmt keinen Wert").arg(fehler.option);
}

QString mitStrichen(const QString &name)
{
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}
