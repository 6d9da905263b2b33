#include "bench/zusammenfassung.h"

#include <algorithm>
#include <iomanip>

void Zusammenfassung::ReportRuns(const std::vector<Run> &laeufe)
{
    ConsoleReporter::ReportRuns(laeufe);
    for (const Run &lauf : laeufe) {
        if (lauf.error_occurred)
            continue;
        const double ms =
            lauf.GetAdjustedCPUTime() / benchmark::GetTimeUnitMultiplier(lauf.time_unit) * 1e3;
        // With --benchmark_report_aggregates_only only the aggregates come here.
        if (lauf.run_type == Run::RT_Iteration)
            m_zeiten[lauf.run_name.function_name].push_back(ms);
        else if (lauf.aggregate_name == "median")
            m_mediane[lauf.run_name.function_name] = ms;
    }
}

std::optional<double> Zusammenfassung::millisekunden(const std::string &name) const
{
    if (const auto median = m_mediane.find(name); median != m_mediane.end())
        return median->second;
    const auto it = m_zeiten.find(name);
    if (it == m_zeiten.end() || it->second.empty())
        return std::nullopt;
    std::vector<double> zeiten = it->second;
    const auto mitte = zeiten.begin() + static_cast<std::ptrdiff_t>(zeiten.size() / 2);
    std::nth_element(zeiten.begin(), mitte, zeiten.end());
    return *mitte;
}

void Zusammenfassung::tabelle(std::ostream &aus, const std::vector<Vergleich> &zeilen) const
{
    aus << "\nZusammenfassung (CPU-Zeit je Durchgang, Median):\n" << std::fixed;
    for (const Vergleich &v : zeilen) {
        const auto zeit = millisekunden(v.name);
        if (!zeit)
            continue;
        aus << "  " << std::left << std::setw(44) << v.erlaeutert << std::right
            << std::setprecision(2) << std::setw(9) << *zeit << " ms";
        const auto bezug = v.bezug.empty() ? std::nullopt : millisekunden(v.bezug);
        if (bezug && *bezug > 0) {
            const double faktor = *zeit / *bezug;
            aus << "  " << std::setw(6) << faktor << "x " << v.bezug;
            if (v.ziel > 0) {
                aus << "  (Ziel <= " << std::setprecision(1) << v.ziel
                    << "x: " << (faktor <= v.ziel ? "gehalten" : "verfehlt") << ')';
            }
        }
        aus << '\n';
    }
}
