// The search engine's timings on a made-up archive of 32,767 lines, written
// afresh into a temporary folder on every run.
#include "archive/archiv_leser.h"
#include "bench/archiv_generator.h"
#include "search/speicher_anzeige.h"
#include "search/suchmaschine.h"

#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <iostream>
#include <map>
#include <unistd.h>

namespace {

using Ausgang = Suchmaschine::Ausgang;
using Lauf = std::function<Ausgang(Suchmaschine &, SpeicherAnzeige &)>;

QString archiv;
ArchivUmfang umfang;

// The floor every pass stands on: open, read and cut into lines, nothing else.
void boden(benchmark::State &state)
{
    while (state.KeepRunning()) {
        ArchivLeser leser(archiv);
        if (!leser.oeffnen())
            return state.SkipWithError("Archiv fehlt");
        std::string_view zeile;
        while (leser.naechsteZeile(zeile))
            benchmark::DoNotOptimize(zeile.data());
    }
    state.SetBytesProcessed(state.iterations() * umfang.bytes);
}

// A wrong number of entries is an error, not a time: a pass that stopped at
// the hit limit would look fast for the wrong reason.
void messen(benchmark::State &state, const Lauf &lauf, qint16 bereich, qsizetype erwartet,
            std::int64_t durchgaenge)
{
    Suchmaschine maschine(archiv);
    maschine.kateg_laden();
    maschine.bereichWaehlen(bereich);
    SpeicherAnzeige anzeige;
    while (state.KeepRunning()) {
        if (lauf(maschine, anzeige) != Ausgang::Erledigt)
            return state.SkipWithError("Suche fehlgeschlagen");
    }
    if (anzeige.eintraege().size() != erwartet)
        state.SkipWithError("unerwartete Zahl von Einträgen");
    state.SetBytesProcessed(state.iterations() * durchgaenge * umfang.bytes);
}

// Passes with a fresh list each, as the search button runs them.
Lauf suche(const QStringList &begriffe)
{
    return [=](Suchmaschine &m, SpeicherAnzeige &a) {
        for (const QString &begriff : begriffe) {
            if (m.suchlauf(begriff, a) != Ausgang::Erledigt)
                return Ausgang::Fehler;
        }
        return Ausgang::Erledigt;
    };
}

void anmelden()
{
    namespace b = messbegriffe;
    const auto neu = [](const char *name, const Lauf &lauf, qint16 bereich = 0,
                        qsizetype erwartet = 0, std::int64_t durchgaenge = 1) {
        benchmark::RegisterBenchmark(name, [=](benchmark::State &s) {
            messen(s, lauf, bereich, erwartet, durchgaenge);
        })->Unit(benchmark::kMillisecond);
    };
    benchmark::RegisterBenchmark("Boden", boden)->Unit(benchmark::kMillisecond);
    neu("ohne_Treffer", suche({b::ohneTreffer}));
    neu("Sterne", suche({b::sterne}));
    neu("liebe_dich", suche({b::liebeDich}));
    neu("Weihnacht", suche({b::weihnacht}));
    // Nothing found, so the chain runs all six passes to the end.
    const auto kette = [](Suchmaschine &m, SpeicherAnzeige &a) {
        return m.kategoriesuche(b::kategorie, a, [] { return true; });
    };
    neu("Kategorie", kette, 0, 0, 6);
    neu("Kategorie_einzeln", suche(b::kategorieBegriffe()), 0, 0, 6);
    neu("Bereich1", suche({QString()}), 1, static_cast<qsizetype>(umfang.eintraege[1]));
    neu("1MB_Begriff", suche({QString(1'000'000, u'x')}));
}

// The console output, and every run's CPU time for the ratios at the end.
class Bericht : public benchmark::ConsoleReporter {
public:
    Bericht() : ConsoleReporter(isatty(STDOUT_FILENO) == 1 ? OO_ColorTabular : OO_Tabular) {}

    void ReportRuns(const std::vector<Run> &laeufe) override
    {
        ConsoleReporter::ReportRuns(laeufe);
        // With --benchmark_report_aggregates_only only the aggregates come here.
        for (const Run &l : laeufe) {
            if (!l.error_occurred &&
                (l.run_type == Run::RT_Iteration || l.aggregate_name == "median"))
                m_zeiten[l.run_name.function_name].push_back(l.GetAdjustedCPUTime());
        }
    }

    void verhaeltnis(const std::string &oben, const std::string &unten, const char *ziel)
    {
        if (const double nenner = median(unten); nenner > 0 && median(oben) > 0)
            std::printf("  %-32s %6.2fx   %s\n", (oben + " / " + unten).c_str(),
                        median(oben) / nenner, ziel);
    }

private:
    double median(const std::string &name)
    {
        std::vector<double> &z = m_zeiten[name];
        if (z.empty())
            return 0;
        const auto mitte = z.begin() + static_cast<std::ptrdiff_t>(z.size() / 2);
        std::nth_element(z.begin(), mitte, z.end());
        return *mitte;
    }

    std::map<std::string, std::vector<double>> m_zeiten;
};

} // namespace

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    const QTemporaryDir ordner;
    archiv = ordner.filePath(QStringLiteral("messarchiv.dat"));
    if (const auto fehler = ordner.isValid() ? archivErzeugen(archiv, ArchivPlan{}, &umfang)
                                             : QStringLiteral("kein temporärer Ordner")) {
        std::cerr << "sprho-bench: " << fehler->toStdString() << '\n';
        return 1;
    }
    anmelden();
    Bericht bericht;
    benchmark::RunSpecifiedBenchmarks(&bericht);
    // Only an overview: nothing fails when a ratio misses its target.
    std::printf("\nVerhaeltnisse (Median der CPU-Zeit)          Ziel\n");
    bericht.verhaeltnis("Sterne", "ohne_Treffer", "<= 3");
    bericht.verhaeltnis("liebe_dich", "ohne_Treffer", "<= 1.5");
    bericht.verhaeltnis("Weihnacht", "ohne_Treffer", "<= 1.5");
    bericht.verhaeltnis("Kategorie", "ohne_Treffer", "<= 1.5");
    bericht.verhaeltnis("Kategorie", "Kategorie_einzeln", "");
    bericht.verhaeltnis("ohne_Treffer", "Boden", "");
    benchmark::Shutdown();
    return 0;
}
