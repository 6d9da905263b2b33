#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

// One line of the closing table: a benchmark's time as a multiple of another,
// with the target that multiple should stay within (if there is one).
struct Vergleich {
    std::string name;
    std::string bezug;      // empty: the time alone
    double ziel = 0;        // 0: no target
    std::string erlaeutert; // what the line measures, for people
};

// Prints the usual console output and remembers every run's CPU time, so that
// the ratios between benchmarks can be printed at the end of one run. CPU time,
// not wall time: the archive sits in the page cache, so the two agree on a
// quiet machine, and on a busy one (a build next door) CPU time stays honest.
class Zusammenfassung : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run> &laeufe) override;

    // The median CPU time per iteration in milliseconds over all repetitions.
    std::optional<double> millisekunden(const std::string &name) const;

    // Only an overview: nothing fails when a ratio misses its target.
    void tabelle(std::ostream &aus, const std::vector<Vergleich> &zeilen) const;

private:
    std::map<std::string, std::vector<double>> m_zeiten;
    std::map<std::string, double> m_mediane;
};
