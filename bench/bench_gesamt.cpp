// The overall standings on generated cups: the once-per-race placings against the literal
// per-call placing (2,000 participants, 20 races; target at least 100 times faster), and the
// whole standings list of a city series (20,000 participants, 50 races).
#include "bench/generator.h"
#include "reports/ausgabe.h"
#include "reports/gesamt.h"
#include "scoring/gesamtwertung.h"
#include "support/literal_wertung.h"

#include <QCoreApplication>
#include <cstdio>
#include <map>
#include <string>

#include <benchmark/benchmark.h>

using namespace tlt;

namespace {

const Cup &cup(int teilnehmer, int laufe)
{
    static std::map<std::pair<int, int>, Cup> cups;
    auto it = cups.find({teilnehmer, laufe});
    if (it == cups.end()) {
        Cup c = erzeugeCup(teilnehmer, laufe, 2026);
        c.min = 3;
        c.max = laufe / 2;
        it = cups.emplace(std::make_pair(teilnehmer, laufe), std::move(c)).first;
    }
    return it->second;
}

void BM_GesamtSchnell(benchmark::State &state)
{
    const Cup &c = cup(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    const int n = c.anzahlLaufe();
    for (auto _ : state) {
        const Gesamtstand stand = gesamtstand(c, n);
        benchmark::DoNotOptimize(stand.zeile(1).platz);
    }
}

void BM_GesamtLiteral(benchmark::State &state)
{
    Cup c = cup(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    const int n = c.anzahlLaufe();
    for (auto _ : state) {
        literal::gesamt_berechnen(c, n);
        benchmark::DoNotOptimize(c.teil.cell(c.teil.colCount() - 1, 1));
        c.teil.setColCount(c.teil.colCount() - 3);
    }
}

// Compute and list into the pane, as "Gesamtstatistik nach diesem Lauf" does.
void BM_GesamtListe(benchmark::State &state)
{
    const Cup &c = cup(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    const int n = c.anzahlLaufe();
    Ausgabe aus;
    for (auto _ : state) {
        ausgabe_gesamt(c, aus, n);
        benchmark::DoNotOptimize(aus.anzahl());
    }
    state.counters["Zeilen"] = aus.anzahl();
}

BENCHMARK(BM_GesamtSchnell)->Args({2000, 20})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GesamtLiteral)->Args({2000, 20})->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_GesamtSchnell)->Args({20000, 50})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GesamtListe)->Args({20000, 50})->Unit(benchmark::kMillisecond);

// Remembers the time per iteration of each run, so the ratio can be printed at the end.
class Reporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run> &runs) override
    {
        for (const Run &r : runs)
            if (r.iterations > 0 && !r.error_occurred)
                zeiten[r.benchmark_name()] = r.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> zeiten;
};

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    Reporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    double s = 0, l = 0;
    for (const auto &[name, zeit] : reporter.zeiten) {
        if (name.rfind("BM_GesamtSchnell/2000/20", 0) == 0)
            s = zeit;
        if (name.rfind("BM_GesamtLiteral/2000/20", 0) == 0)
            l = zeit;
    }
    if (s > 0 && l > 0)
        std::printf("Gesamtwertung 2000 x 20: literal %.1f ms, schnell %.2f ms, Faktor %.0f (Ziel >= 100)\n", l, s,
                    l / s);
    benchmark::Shutdown();
    return 0;
}
