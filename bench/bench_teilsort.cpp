// Sorting the participants: 20,000 rows by several columns (target: at most 50 ms each), and the
// fast sort side by side with the literal neighbour-exchange sort on 5,000 rows (target: at least
// 100 times faster). The ratio is printed after the benchmarks.
#include "bench/generator.h"
#include "core/sortierung.h"
#include "support/literal_sortierung.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>

using namespace tlt;

namespace {

Cup &cupMit(int teilnehmer)
{
    static Cup gross = erzeugeCup(20000, 10, 7);
    static Cup klein = erzeugeCup(5000, 10, 7);
    return teilnehmer == 20000 ? gross : klein;
}

// A time run's and a distance run's result column of the generated cup.
int ergebnisspalteVom(const Cup &cup, const QString &typ)
{
    for (int c = 1; c <= cup.anzahlLaufe(); ++c)
        if (cup.lauftyp(c) == typ)
            return Cup::ergebnisspalte(c);
    return Cup::ergebnisspalte(1);
}

int spalteFuer(const Cup &cup, int kennung)
{
    if (kennung == 100)
        return ergebnisspalteVom(cup, kZeitlauf);
    if (kennung == 101)
        return ergebnisspalteVom(cup, kDistanzlauf);
    return kennung;
}

// Every iteration sorts the same unsorted copy.
template <bool Literal> void teilsortLauf(benchmark::State &state)
{
    const Cup &quelle = cupMit(static_cast<int>(state.range(0)));
    const int spalte = spalteFuer(quelle, static_cast<int>(state.range(1)));
    const int richtung = static_cast<int>(state.range(2));
    for (auto _ : state) {
        state.PauseTiming();
        Cup cup = quelle;
        state.ResumeTiming();
        if constexpr (Literal)
            test::teilsortLiteral(cup, richtung, spalte);
        else
            teilsort(cup, test::richtungVon(richtung), spalte);
        benchmark::DoNotOptimize(cup.teil.cell(spalte, 1));
        state.PauseTiming();
        cup = Cup();
        state.ResumeTiming();
    }
}

void BM_Teilsort(benchmark::State &state)
{
    teilsortLauf<false>(state);
}

void BM_TeilsortLiteral(benchmark::State &state)
{
    teilsortLauf<true>(state);
}

// Columns: 0 surname, 2 birth date, 4 club, 5 age group, 6 start number, 100 time-run result,
// 101 distance-run result.
void spalten20000(benchmark::internal::Benchmark *b)
{
    for (int spalte : {0, 2, 4, 5, 6, 100, 101})
        for (int richtung : {-1, 1})
            b->Args({20000, spalte, richtung});
}

void spalten5000(benchmark::internal::Benchmark *b)
{
    for (int spalte : {0, 5, 100})
        b->Args({5000, spalte, -1});
}

BENCHMARK(BM_Teilsort)->Apply(spalten20000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Teilsort)->Apply(spalten5000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TeilsortLiteral)->Args({5000, 0, -1})->Unit(benchmark::kMillisecond)->Iterations(1);

// Side by side on the same 5,000-row cup: one literal run against the best of several fast runs.
void verhaeltnisDrucken()
{
    const Cup &quelle = cupMit(5000);
    std::printf("\nteilsort, 5000 Teilnehmer, wörtlich gegen schnell:\n");
    for (int kennung : {0, 5, 6, 100, 101}) {
        const int spalte = spalteFuer(quelle, kennung);
        Cup lit = quelle;
        QElapsedTimer t;
        t.start();
        test::teilsortLiteral(lit, -1, spalte);
        const double literal = static_cast<double>(t.nsecsElapsed()) / 1e6;
        double schnell = 1e18;
        for (int i = 0; i < 7; ++i) {
            Cup c = quelle;
            t.restart();
            teilsort(c, Richtung::Aufsteigend, spalte);
            schnell = std::min(schnell, static_cast<double>(t.nsecsElapsed()) / 1e6);
            if (i == 0)
                for (int r = 1; r < c.teil.rowCount(); ++r)
                    if (c.teil.row(r) != lit.teil.row(r)) {
                        std::printf("  Spalte %d: Reihenfolge weicht ab (Zeile %d)!\n", spalte, r);
                        break;
                    }
        }
        std::printf("  Spalte %2d: wörtlich %9.2f ms, schnell %7.3f ms, Verhältnis %7.0fx\n", spalte, literal, schnell,
                    literal / schnell);
    }
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    verhaeltnisDrucken();
    return 0;
}
