#include "archive/archiv_leser.h"
#include "archive/archivzeile.h"
#include "search/speicher_anzeige.h"
#include "search/suchmaschine.h"
#include "tools/abbruch.h"
#include "tools/befehle.h"
#include "tools/befehlszeile.h"

#include <cstdint>
#include <random>
#include <string>

namespace {

using Zufall = std::mt19937_64;

// One read of the archive, keeping a single line: the n-th entry of the area
// replaces the kept one with probability 1/n, which leaves every entry kept
// with the same probability however many there are.
QString ausBereich(const QString &archiv, qint16 bereich, Zufall &zufall)
{
    ArchivLeser leser(archiv);
    if (!leser.oeffnen())
        unlesbar(archiv, leser.fehler());
    std::string gewaehlt;
    std::uint64_t anzahl = 0;
    std::string_view zeile;
    while (leser.naechsteZeile(zeile)) {
        const auto gelesen = eintrag(zeile);
        if (!gelesen || gelesen->bereich != bereich)
            continue;
        if (std::uniform_int_distribution<std::uint64_t>(0, anzahl++)(zufall) == 0)
            gewaehlt.assign(gelesen->text);
    }
    if (leser.fehlgeschlagen())
        unlesbar(archiv, leser.fehler());
    if (anzahl == 0)
        scheitern(QStringLiteral("„%1“ hat keine Einträge in Bereich %2")
                      .arg(archiv, QString::number(bereich)));
    return klartext(gewaehlt);
}

QString ausKategorie(const QString &archiv, const QString &name, bool ja, Zufall &zufall,
                     Kanaele &k)
{
    Suchmaschine maschine(archiv, k.archivOeffnen);
    maschine.kateg_laden();
    SpeicherAnzeige anzeige;
    kategorieSuchen(maschine, name, ja, anzeige, k, Lesefehler::Unlesbar);
    const QStringList &eintraege = anzeige.eintraege();
    if (eintraege.isEmpty())
        scheitern(
            QStringLiteral("die Kategorie „%1“ findet in „%2“ keine Einträge").arg(name, archiv));
    const auto letzter = static_cast<std::uint64_t>(eintraege.size() - 1);
    const auto wahl = std::uniform_int_distribution<std::uint64_t>(0, letzter)(zufall);
    return eintraege[static_cast<qsizetype>(wahl)];
}

} // namespace

// One entry chosen at random, each as likely as any other: for a greeting in
// a shell's start-up file, or a text of the day.
int zufall(const QStringList &argumente, Kanaele &k)
{
    Befehlszeile zeile(QStringLiteral("random"));
    zeile.lesen(argumente);
    if (!zeile.argumente().isEmpty())
        falschBedient(
            QStringLiteral("random nimmt kein Argument („%1“)").arg(zeile.argumente().first()));
    const bool kategorie = zeile.gesetzt(QStringLiteral("category"));
    if (kategorie && zeile.bereichGenannt())
        falschBedient(QStringLiteral("--area und --category schließen einander aus"));
    const QString name = zeile.wertVon(QStringLiteral("category"));
    if (kategorie && !kategorienamen().contains(name))
        falschBedient(QStringLiteral("unbekannte Kategorie „%1“%2 („sprho-archiv category "
                                     "--list“ zeigt alle)")
                          .arg(name, kategorieVorschlag(name)));

    Zufall zufall;
    if (zeile.gesetzt(QStringLiteral("seed"))) {
        bool ok = false;
        zufall.seed(zeile.wertVon(QStringLiteral("seed")).toULongLong(&ok));
        if (!ok)
            falschBedient(QStringLiteral("--seed erwartet eine ganze Zahl ab 0"));
    } else {
        std::random_device quelle;
        zufall.seed((static_cast<Zufall::result_type>(quelle()) << 32U) ^ quelle());
    }
    const QString archiv = zeile.archiv();
    const QString gewaehlt =
        kategorie ? ausKategorie(archiv, name, zeile.gesetzt(QStringLiteral("yes")), zufall, k)
                  : ausBereich(archiv, zeile.bereich(), zufall);
    k.aus.write(gewaehlt.toUtf8());
    k.aus.write(zeile.nul() ? QByteArray(1, '\0') : QByteArray(1, '\n'));
    return status::ok;
}
