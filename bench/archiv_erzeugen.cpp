// Writes the made-up archive of the benchmarks into a file, for the scripts
// beside them.
#include "bench/archiv_generator.h"
#include "kommandozeile/parserfehler.h"

#include <QCommandLineParser>

#include <iostream>

namespace {

const char *const hilfe =
    "Aufruf: sprho-bench-archiv [--zeilen N] [--wort WORT=N]... [--nie BEGRIFF]... DATEI\n"
    "Schreibt ein erfundenes Archiv aus den Beispieltexten: N Zeilen (Standard 32767),\n"
    "WORT in genau N Zeilen des Hauptbereichs, BEGRIFF (nur * als Platzhalter) in keiner;\n"
    "die Begriffe der Messungen stehen nie im Hauptbereich.\n";

int falsch(const QString &was)
{
    std::cerr << "sprho-bench-archiv: " << was.toStdString()
              << "\n„sprho-bench-archiv --help“ zeigt die Bedienung.\n";
    return 2;
}

} // namespace

int main(int argc, char **argv)
{
    QStringList argumente;
    for (int i = 0; i < argc; ++i)
        argumente.append(QString::fromLocal8Bit(argv[i]));
    QCommandLineParser parser;
    const QCommandLineOption hilfeOption(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption zeilen(QStringLiteral("zeilen"), QString(), QStringLiteral("N"));
    const QCommandLineOption wort(QStringLiteral("wort"), QString(), QStringLiteral("WORT=N"));
    const QCommandLineOption nie(QStringLiteral("nie"), QString(), QStringLiteral("BEGRIFF"));
    parser.addOptions({hilfeOption, zeilen, wort, nie});

    parser.parse(argumente);
    if (const auto fehler = parserfehler(parser, argumente))
        return falsch(aufDeutsch(*fehler));
    if (parser.isSet(hilfeOption)) {
        std::cout << hilfe;
        return 0;
    }
    const auto zahl = [](const QString &text, std::int64_t &wert) {
        bool ok = false;
        wert = text.toLongLong(&ok);
        return ok && wert >= 0;
    };
    ArchivPlan plan;
    if (parser.isSet(zeilen) && !zahl(parser.value(zeilen), plan.zeilen))
        return falsch(QStringLiteral("--zeilen: „%1“ ist keine Zahl").arg(parser.value(zeilen)));
    for (const QString &w : parser.values(wort)) {
        const qsizetype gleich = w.lastIndexOf(u'=');
        std::int64_t n = 0;
        if (gleich < 1 || !zahl(w.sliced(gleich + 1), n))
            return falsch(QStringLiteral("--wort erwartet WORT=N, nicht „%1“").arg(w));
        plan.gezaehlt.emplace_back(w.left(gleich), n);
    }
    plan.nie += parser.values(nie);
    if (parser.positionalArguments().size() != 1)
        return falsch(QStringLiteral("genau eine DATEI erwartet"));

    ArchivUmfang umfang;
    if (const auto fehler = archivErzeugen(parser.positionalArguments().first(), plan, &umfang)) {
        std::cerr << "sprho-bench-archiv: " << fehler->toStdString() << '\n';
        return 1;
    }
    std::cout << umfang.bytes << " Bytes, Einträge je Bereich: " << umfang.eintraege[0] << ", "
              << umfang.eintraege[1] << ", " << umfang.eintraege[2] << '\n';
    return 0;
}
