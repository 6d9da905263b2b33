// Writes a made-up archive for measurements by hand, for example the memory
// check of peak_memory.sh:
//   sprho-bench-archiv [--zeilen N] [--bereich1 N] [--bereich2 N]
//                      [--kommentare N] [--wort WORT=N]... [--nie WORT]... DATEI
#include "bench/archiv_generator.h"

#include <QStringList>

#include <iostream>

namespace {

int falsch(const QString &text)
{
    std::cerr << "sprho-bench-archiv: " << text.toStdString() << '\n';
    return 2;
}

bool zahl(const QString &text, std::int64_t &wert)
{
    bool ok = false;
    wert = text.toLongLong(&ok);
    return ok && wert >= 0;
}

} // namespace

int main(int argc, char **argv)
{
    ArchivPlan plan;
    QString ziel;
    for (int i = 1; i < argc; ++i) {
        const QString a = QString::fromLocal8Bit(argv[i]);
        const bool mitWert = a.startsWith(QStringLiteral("--"));
        if (!mitWert) {
            if (!ziel.isEmpty())
                return falsch(QStringLiteral("nur eine Datei"));
            ziel = a;
            continue;
        }
        if (i + 1 >= argc)
            return falsch(QStringLiteral("%1 braucht einen Wert").arg(a));
        const QString wert = QString::fromLocal8Bit(argv[++i]);
        bool ok = true;
        if (a == QStringLiteral("--zeilen")) {
            ok = zahl(wert, plan.zeilen);
        } else if (a == QStringLiteral("--bereich1")) {
            ok = zahl(wert, plan.bereich1);
        } else if (a == QStringLiteral("--bereich2")) {
            ok = zahl(wert, plan.bereich2);
        } else if (a == QStringLiteral("--kommentare")) {
            ok = zahl(wert, plan.kommentare);
        } else if (a == QStringLiteral("--nie")) {
            plan.nie.push_back(wert);
        } else if (a == QStringLiteral("--wort")) {
            const qsizetype gleich = wert.lastIndexOf(u'=');
            GezaehltesWort g{wert.left(gleich), 0};
            ok = gleich > 0 && zahl(wert.sliced(gleich + 1), g.zeilen);
            plan.gezaehlt.push_back(g);
        } else {
            return falsch(QStringLiteral("unbekannte Option %1").arg(a));
        }
        if (!ok)
            return falsch(QStringLiteral("%1 %2: ungültiger Wert").arg(a, wert));
    }
    if (ziel.isEmpty())
        return falsch(QStringLiteral("welche Datei?"));

    ArchivUmfang umfang;
    if (const auto fehler = archivErzeugen(ziel, plan, &umfang)) {
        std::cerr << "sprho-bench-archiv: " << fehler->toStdString() << '\n';
        return 1;
    }
    std::cout << ziel.toStdString() << ": " << umfang.zeilen << " Zeilen (" << umfang.hauptbereich
              << " im Hauptbereich), " << umfang.bytes << " Bytes\n";
    return 0;
}
