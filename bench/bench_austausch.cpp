// Import and export speed: 20,000 participants from XLSX, 5,000 results from CSV, and the overall
// standings of 20,000 participants over 50 races to XLSX.
#include "austausch/ausfuhr.h"
#include "austausch/einlesen.h"
#include "austausch/tabellendatei.h"
#include "austausch/zuordnung.h"
#include "bench/generator.h"
#include "core/cup.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace tlt;

namespace {
QTemporaryDir &ordner()
{
    static QTemporaryDir d;
    return d;
}

Cup ohneTeilnehmer(const Cup &cup)
{
    Cup c = cup;
    c.teil.setRowCount(1);
    return c;
}
} // namespace

// Target: at most 2 s for reading, planning and applying.
static void BM_TeilnehmerAusXlsx(benchmark::State &state)
{
    const Cup quelle = erzeugeCup(static_cast<int>(state.range(0)), 6, 11);
    const QString pfad = ordner().filePath(QStringLiteral("teilnehmer.xlsx"));
    QString fehler;
    if (!xlsxSchreiben(teilnehmerTabelle(quelle), pfad, &fehler))
        state.SkipWithError(qPrintable(fehler));
    for (auto _ : state) {
        state.PauseTiming();
        Cup ziel = ohneTeilnehmer(quelle);
        state.ResumeTiming();
        Rohtabelle t;
        tabelleLesen(pfad, {}, &t, &fehler);
        const Teilnehmerimport plan = teilnehmerImportPlanen(ziel, t, zuordnungErkennen(t));
        teilnehmerImportAnwenden(ziel, plan, &fehler);
        benchmark::DoNotOptimize(ziel.anzahlTeilnehmer());
        state.counters["neu"] = double(plan.neu.size());
        state.counters["probleme"] = double(plan.probleme.size());
    }
}
BENCHMARK(BM_TeilnehmerAusXlsx)->Arg(20000)->Unit(benchmark::kMillisecond)->Iterations(3);

// Target: at most 0.5 s for 5,000 results.
static void BM_ErgebnisseAusCsv(benchmark::State &state)
{
    Cup quelle = erzeugeCup(static_cast<int>(state.range(0)), 6, 12);
    int lauf = 1;
    while (lauf < quelle.anzahlLaufe() && quelle.lauftyp(lauf) != kZeitlauf)
        ++lauf;
    const QString pfad = ordner().filePath(QStringLiteral("lauf.csv"));
    QString fehler;
    if (!csvSchreiben(laufergebnisTabelle(quelle, lauf), pfad, &fehler))
        state.SkipWithError(qPrintable(fehler));
    Cup leer = quelle;
    for (int r = 1; r < leer.teil.rowCount(); ++r)
        leer.teil.setCell(Cup::ergebnisspalte(lauf), r, QString());
    for (auto _ : state) {
        state.PauseTiming();
        Cup ziel = leer;
        state.ResumeTiming();
        Rohtabelle t;
        tabelleLesen(pfad, {}, &t, &fehler);
        const Ergebnisimport plan = ergebnisImportPlanen(ziel, lauf, t, zuordnungErkennen(t));
        ergebnisImportAnwenden(ziel, plan, {}, &fehler);
        state.counters["ergebnisse"] = double(plan.neu.size());
    }
}
BENCHMARK(BM_ErgebnisseAusCsv)->Arg(7000)->Unit(benchmark::kMillisecond)->Iterations(5);

// Target: at most 3 s for the standings of 20,000 participants after 50 races.
static void BM_GesamtAlsXlsx(benchmark::State &state)
{
    const Cup cup = erzeugeCup(static_cast<int>(state.range(0)), 50, 13);
    const QString pfad = ordner().filePath(QStringLiteral("gesamt.xlsx"));
    for (auto _ : state) {
        QString fehler;
        if (!xlsxSchreiben(gesamtTabelle(cup, 50), pfad, &fehler))
            state.SkipWithError(qPrintable(fehler));
    }
}
BENCHMARK(BM_GesamtAlsXlsx)->Arg(20000)->Unit(benchmark::kMillisecond)->Iterations(2);

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
