#include "archive/archiv_leser.h"
#include "archive/archivzeile.h"
#include "search/speicher_anzeige.h"
#include "search/suchmaschine.h"
#include "tools/befehle.h"
#include "tools/befehlszeile.h"

#include <cstdint>
#include <random>
#include <string>

namespace {

using Zufall = std::mt19937_64;

void ausgeben(Kanaele &k, const QString &eintrag, bool nul)
{
    k.aus.write(eintrag.toUtf8());
    k.aus.write(nul ? QByteArray(1, '\0') : QByteArray(1, '\n'));
}

// One read of the archive, keeping a single line: the n-th entry of the area
// replaces the kept one with probability 1/n, which leaves every entry kept
// with the same probability however many there are.
int ausBereich(const QString &archiv, qint16 bereich, Zufall &zufall, bool nul, Kanaele &k)
{
    ArchivLeser leser(archiv);
    if (!leser.oeffnen())
        return suchfehler(k, archiv, leser.fehler());
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
        return suchfehler(k, archiv, leser.fehler());
    if (anzahl == 0) {
        k.melden(QStringLiteral("sprho-archiv: „%1“ hat keine Einträge in Bereich %2")
                     .arg(archiv)
                     .arg(bereich));
        return status::fehler;
    }
    ausgeben(k, klartext(gewaehlt), nul);
    return status::ok;
}

int ausKategorie(const QString &archiv, const QString &name, bool ja, Zufall &zufall, bool nul,
                 Kanaele &k)
{
    Suchmaschine maschine(archiv, k.archivOeffnen);
    maschine.kateg_laden();
    if (maschine.kategorien().zeileZu(name) == 0) {
        return falscheBedienung(
            k, QStringLiteral("unbekannte Kategorie „%1“ („sprho-archiv category --list“ zeigt "
                              "alle)")
                   .arg(name));
    }
    SpeicherAnzeige anzeige;
    if (const auto ende = kategorieSuchen(maschine, name, ja, anzeige, k))
        return *ende;
    const QStringList &eintraege = anzeige.eintraege();
    if (eintraege.isEmpty()) {
        k.melden(QStringLiteral("sprho-archiv: die Kategorie „%1“ findet in „%2“ keine Einträge")
                     .arg(name, archiv));
        return status::fehler;
    }
    const auto letzter = static_cast<std::uint64_t>(eintraege.size() - 1);
    const auto wahl = std::uniform_int_distribution<std::uint64_t>(0, letzter)(zufall);
    ausgeben(k, eintraege[static_cast<qsizetype>(wahl)], nul);
    return status::ok;
}

} // namespace

// One entry chosen at random, each as likely as any other: for a greeting in
// a shell's start-up file, or a text of the day.
int zufall(const QStringList &argumente, Kanaele &k)
{
    Befehlszeile zeile(QStringLiteral("random"));
    zeile.wert(QStringLiteral("archive"), QStringLiteral("--archive braucht eine Datei"));
    const QString bereichFalsch = QStringLiteral("--area erwartet 0, 1 oder 2");
    zeile.wert(QStringLiteral("area"), bereichFalsch);
    zeile.wert(QStringLiteral("category"), QStringLiteral("--category braucht einen NAMEN"));
    const QString saatFalsch = QStringLiteral("--seed erwartet eine ganze Zahl ab 0");
    zeile.wert(QStringLiteral("seed"), saatFalsch);
    zeile.schalter({QStringLiteral("0"), QStringLiteral("null")});
    zeile.schalter({QStringLiteral("yes")});
    if (const auto ende = zeile.lesen(argumente, k))
        return *ende;
    if (!zeile.argumente().isEmpty()) {
        return falscheBedienung(
            k, QStringLiteral("random nimmt kein Argument („%1“)").arg(zeile.argumente().first()));
    }
    const QString zahl = zeile.gesetzt(QStringLiteral("area"))
                             ? zeile.wertVon(QStringLiteral("area"))
                             : QStringLiteral("0");
    if (zahl != QStringLiteral("0") && zahl != QStringLiteral("1") && zahl != QStringLiteral("2"))
        return falscheBedienung(k, bereichFalsch);
    const bool kategorie = zeile.gesetzt(QStringLiteral("category"));
    if (kategorie && zeile.gesetzt(QStringLiteral("area")))
        return falscheBedienung(k, QStringLiteral("--area und --category schließen einander aus"));

    Zufall zufall;
    if (zeile.gesetzt(QStringLiteral("seed"))) {
        bool ok = false;
        zufall.seed(zeile.wertVon(QStringLiteral("seed")).toULongLong(&ok));
        if (!ok)
            return falscheBedienung(k, saatFalsch);
    } else {
        std::random_device quelle;
        zufall.seed((static_cast<Zufall::result_type>(quelle()) << 32U) ^ quelle());
    }
    const bool nul = zeile.gesetzt(QStringLiteral("null"));
    const QString archiv = archivAus(zeile);
    if (kategorie) {
        return ausKategorie(archiv, zeile.wertVon(QStringLiteral("category")),
                            zeile.gesetzt(QStringLiteral("yes")), zufall, nul, k);
    }
    return ausBereich(archiv, zahl.toShort(), zufall, nul, k);
}
