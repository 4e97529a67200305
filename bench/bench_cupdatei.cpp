// Loading and saving a large cup: 20,000 participants and 50 races. Target: at most 0.3 s each.
#include "bench/generator.h"
#include "core/cupdatei.h"
#include "core/sortierung.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace tlt;

namespace {

constexpr int kTeilnehmer = 20000;
constexpr int kLaufe = 50;

Cup &grosserCup()
{
    static Cup cup = erzeugeCup(kTeilnehmer, kLaufe, 42);
    return cup;
}

QTemporaryDir &ordner()
{
    static QTemporaryDir dir;
    return dir;
}

// The file of the large cup on disk, written once.
QString grosseDatei()
{
    static const QString pfad = [] {
        const QString p = ordner().filePath(QStringLiteral("gross.tl3"));
        Cup kopie = grosserCup();
        QString fehler;
        if (!speichernDatei(kopie, p, &fehler))
            qFatal("%s", qPrintable(fehler));
        return p;
    }();
    return pfad;
}

void BM_LadenDatei(benchmark::State &state)
{
    const QString pfad = grosseDatei();
    Cup cup;
    QString fehler;
    for (auto _ : state) {
        if (!ladenDatei(cup, pfad, &fehler))
            state.SkipWithError(qPrintable(fehler));
        benchmark::DoNotOptimize(cup.teil.rowCount());
    }
    state.counters["MB"] = static_cast<double>(QFile(pfad).size()) / 1e6;
}

void BM_LadenPuffer(benchmark::State &state)
{
    Cup quelle = grosserCup();
    const QByteArray bytes = dateiinhalt(quelle);
    Cup cup;
    QString fehler;
    for (auto _ : state) {
        QBuffer puffer;
        puffer.setData(bytes);
        puffer.open(QIODevice::ReadOnly);
        if (!laden(cup, puffer, &fehler))
            state.SkipWithError(qPrintable(fehler));
    }
}

// Saving from start-number order, as after a report: the surname sort is part of saving.
void BM_SpeichernDatei(benchmark::State &state)
{
    Cup cup = grosserCup();
    const QString pfad = ordner().filePath(QStringLiteral("speichern.tl3"));
    QString fehler;
    for (auto _ : state) {
        state.PauseTiming();
        teilsort(cup, Richtung::Aufsteigend, 6);
        state.ResumeTiming();
        if (!speichernDatei(cup, pfad, &fehler))
            state.SkipWithError(qPrintable(fehler));
    }
}

// The same when the table is already in surname order.
void BM_SpeichernDateiSortiert(benchmark::State &state)
{
    Cup cup = grosserCup();
    teilsort(cup, Richtung::Aufsteigend, 0);
    const QString pfad = ordner().filePath(QStringLiteral("sortiert.tl3"));
    QString fehler;
    for (auto _ : state)
        if (!speichernDatei(cup, pfad, &fehler))
            state.SkipWithError(qPrintable(fehler));
}

void BM_NichtDarstellbareZeichen(benchmark::State &state)
{
    const Cup &cup = grosserCup();
    for (auto _ : state)
        benchmark::DoNotOptimize(nichtDarstellbareZeichen(cup));
}

BENCHMARK(BM_LadenDatei)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LadenPuffer)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SpeichernDatei)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SpeichernDateiSortiert)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NichtDarstellbareZeichen)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
