// The search engine's timings on a made-up archive of 32,767 lines (about
// 4 MB), generated afresh into a temporary folder on every run. The table at
// the end sets each time against the one it has to be measured by.
#include "archive/archiv_leser.h"
#include "bench/archiv_generator.h"
#include "bench/zusammenfassung.h"
#include "search/speicher_anzeige.h"
#include "search/suchmaschine.h"

#include <benchmark/benchmark.h>

#include <QDir>
#include <QStringList>
#include <QTemporaryDir>

#include <iostream>
#include <string_view>

namespace {

constexpr std::int64_t archivZeilen = 32767;
constexpr std::int64_t bereich1Zeilen = 10000;
constexpr std::int64_t trefferJeKinderwort = 5;
std::int64_t archivBytes = 0; // known once the archive is written

// A word no line holds: its pass reads the whole archive and lists nothing.
// Seven letters, about the length of the category terms: the substring search
// skips further the longer its term, so a long word would flatter the pass.
const QString nieGefunden = QStringLiteral("Pudding");
const QString kinder = QStringLiteral("Kinder");
const QString sterne = QStringLiteral("*a*a*a*a*a*a*a*a*a*a*a*a*b");

const QStringList &kinderBegriffe()
{
    static const QStringList begriffe{QStringLiteral("Kinder"),  QStringLiteral("Mutter"),
                                      QStringLiteral("Vater"),   QStringLiteral("Eltern"),
                                      QStringLiteral("Familie"), QStringLiteral("Spielplatz")};
    return begriffe;
}

struct Archive {
    QString gross; // the 32,767 lines
    QString leer;  // no line at all: what is left is the cost of the term
};

ArchivPlan messarchiv()
{
    ArchivPlan plan;
    plan.zeilen = archivZeilen;
    plan.bereich1 = bereich1Zeilen;
    plan.nie = {nieGefunden};
    // The "Kinder" chain: every term finds a few lines, so the list stays
    // far below 100 and all six passes read the whole file.
    for (const QString &wort : kinderBegriffe())
        plan.gezaehlt.push_back({wort, trefferJeKinderwort});
    return plan;
}

// Lines and bytes read, and the entries the last run listed.
void zaehlen(benchmark::State &state, int durchgaenge, qsizetype eintraege)
{
    state.SetItemsProcessed(state.iterations() * durchgaenge * archivZeilen);
    state.SetBytesProcessed(state.iterations() * durchgaenge * archivBytes);
    state.counters["eintraege"] = static_cast<double>(eintraege);
}

// The floor: open, read and cut into lines, nothing else.
void lesen(benchmark::State &state, const QString &pfad)
{
    std::int64_t zeilen = 0;
    while (state.KeepRunning()) {
        ArchivLeser leser(pfad);
        if (!leser.oeffnen()) {
            state.SkipWithError("Archiv fehlt");
            return;
        }
        zeilen = 0;
        std::string_view zeile;
        while (leser.naechsteZeile(zeile)) {
            ++zeilen;
            benchmark::DoNotOptimize(zeile.data());
        }
        leser.schliessen();
    }
    if (zeilen != archivZeilen) {
        state.SkipWithError("falsche Zeilenzahl");
        return;
    }
    zaehlen(state, 1, 0);
}

// One pass as the search button runs it. erwartet < 0: any number of entries.
void suchlauf(benchmark::State &state, const QString &pfad, const QString &begriff, qint16 bereich,
              qsizetype erwartet)
{
    Suchmaschine maschine(pfad);
    maschine.bereichWaehlen(bereich);
    qsizetype eintraege = 0;
    while (state.KeepRunning()) {
        SpeicherAnzeige anzeige;
        if (maschine.suchlauf(begriff, anzeige) != Suchmaschine::Ausgang::Erledigt) {
            state.SkipWithError("Suchlauf fehlgeschlagen");
            return;
        }
        eintraege = anzeige.eintraege().size();
    }
    if (erwartet >= 0 && eintraege != erwartet) {
        state.SkipWithError("unerwartete Zahl von Einträgen");
        return;
    }
    zaehlen(state, 1, eintraege);
}

void kategorie(benchmark::State &state, const QString &pfad, const QString &name)
{
    Suchmaschine maschine(pfad);
    maschine.kateg_laden();
    qsizetype eintraege = 0;
    while (state.KeepRunning()) {
        SpeicherAnzeige anzeige;
        if (maschine.kategoriesuche(name, anzeige, [] { return true; }) !=
            Suchmaschine::Ausgang::Erledigt) {
            state.SkipWithError("Kategoriesuche fehlgeschlagen");
            return;
        }
        eintraege = anzeige.eintraege().size();
    }
    // Below 100 entries the chain has run all six passes to the end.
    if (eintraege == 0 || eintraege >= Suchmaschine::trefferGrenze) {
        state.SkipWithError("die Kette lief nicht über alle sechs Durchgänge");
        return;
    }
    zaehlen(state, 6, eintraege);
}

// The chain's six terms as six separate passes, each starting afresh: what
// the chain would cost if chaining added nothing.
void einzelLaeufe(benchmark::State &state, const QString &pfad)
{
    Suchmaschine maschine(pfad);
    while (state.KeepRunning()) {
        for (const QString &begriff : kinderBegriffe()) {
            SpeicherAnzeige anzeige;
            if (maschine.suchlauf(begriff, anzeige) != Suchmaschine::Ausgang::Erledigt) {
                state.SkipWithError("Suchlauf fehlgeschlagen");
                return;
            }
        }
    }
    zaehlen(state, 6, 0);
}

void anmelden(const Archive &a)
{
    const QString einMegabyteX(1'000'000, u'x');
    const QString einMegabyteSterne = QStringLiteral("*a").repeated(500'000);

    const auto messen = [](const char *name, auto &&fn) {
        benchmark::RegisterBenchmark(name, fn)->Unit(benchmark::kMillisecond);
    };
    messen("Boden", [=](benchmark::State &s) { lesen(s, a.gross); });
    messen("Suchlauf/ohne_Treffer",
           [=](benchmark::State &s) { suchlauf(s, a.gross, nieGefunden, 0, 0); });
    messen("Suchlauf/Bereich1",
           [=](benchmark::State &s) { suchlauf(s, a.gross, QString(), 1, bereich1Zeilen); });
    messen("Kategorie/Kinder", [=](benchmark::State &s) { kategorie(s, a.gross, kinder); });
    messen("Suchlauf/Kinder_einzeln", [=](benchmark::State &s) { einzelLaeufe(s, a.gross); });
    messen("Suchlauf/Sterne", [=](benchmark::State &s) { suchlauf(s, a.gross, sterne, 0, -1); });
    messen("Suchlauf/1MB_x",
           [=](benchmark::State &s) { suchlauf(s, a.gross, einMegabyteX, 0, 0); });
    messen("Suchlauf/1MB_Sterne",
           [=](benchmark::State &s) { suchlauf(s, a.gross, einMegabyteSterne, 0, 0); });
    // The same terms on an empty archive: only what a pass does once.
    messen("Leerlauf/1MB_x", [=](benchmark::State &s) { suchlauf(s, a.leer, einMegabyteX, 0, 0); });
    messen("Leerlauf/1MB_Sterne",
           [=](benchmark::State &s) { suchlauf(s, a.leer, einMegabyteSterne, 0, 0); });
}

const std::vector<Vergleich> &vergleiche()
{
    static const std::vector<Vergleich> liste{
        {"Boden", "", 0, "Lesen und in Zeilen zerlegen"},
        {"Suchlauf/ohne_Treffer", "Boden", 3.0, "Hauptbereich, kein Treffer"},
        {"Suchlauf/Bereich1", "Boden", 0, "Bereich 1, 10000 Eintraege"},
        {"Kategorie/Kinder", "Suchlauf/ohne_Treffer", 6.5, "Kategorie Kinder, 6 volle Laeufe"},
        {"Kategorie/Kinder", "Suchlauf/Kinder_einzeln", 0,
         "  Kette gegen dieselben 6 Einzellaeufe"},
        {"Suchlauf/Sterne", "Suchlauf/ohne_Treffer", 10.0, "*a*a*a*a*a*a*a*a*a*a*a*a*b"},
        {"Suchlauf/1MB_x", "Suchlauf/ohne_Treffer", 0, "1 MB Begriff: x..."},
        {"Suchlauf/1MB_Sterne", "Suchlauf/ohne_Treffer", 0, "1 MB Begriff: *a*a..."},
        {"Leerlauf/1MB_x", "", 0, "  davon einmalig (leeres Archiv)"},
        {"Leerlauf/1MB_Sterne", "", 0, "  davon einmalig (leeres Archiv)"},
    };
    return liste;
}

} // namespace

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;

    QTemporaryDir ordner(QDir::tempPath() + QStringLiteral("/sprho-bench-XXXXXX"));
    if (!ordner.isValid()) {
        std::cerr << "sprho-bench: kein temporärer Ordner\n";
        return 1;
    }
    const Archive archive{ordner.filePath(QStringLiteral("sprho.dat")),
                          ordner.filePath(QStringLiteral("leer.dat"))};
    ArchivUmfang umfang;
    std::optional<QString> fehler = archivErzeugen(archive.gross, messarchiv(), &umfang);
    archivBytes = umfang.bytes;
    if (!fehler) {
        ArchivPlan leer;
        leer.zeilen = leer.bereich1 = leer.bereich2 = leer.kommentare = 0;
        fehler = archivErzeugen(archive.leer, leer);
    }
    if (fehler) {
        std::cerr << "sprho-bench: " << fehler->toStdString() << '\n';
        return 1;
    }
    benchmark::AddCustomContext("archiv", std::to_string(umfang.zeilen) + " Zeilen, " +
                                              std::to_string(umfang.bytes) + " Bytes");

    anmelden(archive);
    Zusammenfassung bericht;
    benchmark::RunSpecifiedBenchmarks(&bericht);
    bericht.tabelle(std::cout, vergleiche());
    benchmark::Shutdown();
    return 0;
}
