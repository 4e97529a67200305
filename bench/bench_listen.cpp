// The four additional lists on the large cup: 20,000 participants and 50 races, after race 50
// (the statement for one participant, the outlook with one race to come).
// Target: each list takes well under 1 s in the process, like the standings list it builds on.
#include "bench/generator.h"
#include "reports/ausgabe.h"
#include "reports/listen.h"
#include "scoring/listenwerte.h"

#include <benchmark/benchmark.h>

using namespace tlt;

namespace {

constexpr int kTeilnehmer = 20000;
constexpr int kLaufe = 50;

const Cup &grosserCup()
{
    static const Cup cup = erzeugeCup(kTeilnehmer, kLaufe, 42);
    return cup;
}

void BM_Einlaufliste(benchmark::State &state)
{
    const Cup &cup = grosserCup();
    for (auto _ : state) {
        Ausgabe aus;
        ausgabe_einlauf(cup, aus, kLaufe);
        benchmark::DoNotOptimize(aus.anzahl());
    }
}

void BM_GesamtAusfuehrlich(benchmark::State &state)
{
    const Cup &cup = grosserCup();
    for (auto _ : state) {
        Ausgabe aus;
        ausgabe_gesamt_ausfuehrlich(cup, aus, kLaufe);
        benchmark::DoNotOptimize(aus.anzahl());
    }
}

// The standings value alone, on which the detailed standings, the statement and the outlook build.
void BM_Gesamtstand(benchmark::State &state)
{
    const Cup &cup = grosserCup();
    for (auto _ : state)
        benchmark::DoNotOptimize(gesamtstand(cup, kLaufe).gruppen.size());
}

void BM_Auskunft(benchmark::State &state)
{
    const Cup &cup = grosserCup();
    for (auto _ : state) {
        Ausgabe aus;
        ausgabe_auskunft(cup, aus, kTeilnehmer / 2, kLaufe);
        benchmark::DoNotOptimize(aus.anzahl());
    }
}

void BM_WerKannGewinnen(benchmark::State &state)
{
    const Cup &cup = grosserCup();
    for (auto _ : state) {
        Ausgabe aus;
        ausgabe_noch_offen(cup, aus, kLaufe - 1, 1);
        benchmark::DoNotOptimize(aus.anzahl());
    }
}

} // namespace

BENCHMARK(BM_Einlaufliste)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_GesamtAusfuehrlich)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_Gesamtstand)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_Auskunft)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_WerKannGewinnen)->Unit(benchmark::kMillisecond)->Iterations(3);

BENCHMARK_MAIN();
