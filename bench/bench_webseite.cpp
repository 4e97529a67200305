// The results site of a city series (20,000 participants, 50 races): building the data, the pages
// and writing the folder; target at most 3 s for the whole site and at most 1 MB per page (the
// search data excepted).
#include "bench/generator.h"
#include "webseite/seiten.h"
#include "webseite/webdaten.h"
#include "webseite/webseite.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <cstdio>

#include <benchmark/benchmark.h>

using namespace tlt;

namespace {

const Cup &stadtserie()
{
    static const Cup c = [] {
        Cup cup = erzeugeCup(20000, 50, 2026);
        cup.min = 3;
        cup.max = 25;
        return cup;
    }();
    return c;
}

void BM_WebseiteDaten(benchmark::State &state)
{
    const Cup &c = stadtserie();
    for (auto _ : state)
        benchmark::DoNotOptimize(webdaten(c, c.anzahlLaufe()).teilnehmer.size());
}

void BM_WebseiteSeiten(benchmark::State &state)
{
    const Cup &c = stadtserie();
    const Webdaten d = webdaten(c, c.anzahlLaufe());
    qsizetype groesste = 0, daten = 0, summe = 0;
    size_t anzahl = 0;
    for (auto _ : state) {
        const auto dateien = webseiten(d, QDateTime::currentDateTime());
        groesste = 0;
        summe = 0;
        for (const auto &f : dateien) {
            summe += f.inhalt.size();
            if (f.name == QLatin1String("daten.js"))
                daten = f.inhalt.size();
            else
                groesste = std::max(groesste, f.inhalt.size());
        }
        anzahl = dateien.size();
    }
    state.counters["Dateien"] = static_cast<double>(anzahl);
    state.counters["groesste_Seite_KB"] = static_cast<double>(groesste) / 1024.0;
    state.counters["Suchdaten_KB"] = static_cast<double>(daten) / 1024.0;
    state.counters["gesamt_KB"] = static_cast<double>(summe) / 1024.0;
    if (groesste > 1024 * 1024)
        state.SkipWithError("Eine Seite ist größer als 1 MB");
}

// The whole command: data, pages and the folder written to disk.
void BM_WebseiteGanz(benchmark::State &state)
{
    const Cup &c = stadtserie();
    QTemporaryDir tmp;
    for (auto _ : state) {
        QString fehler;
        if (!webseiteErzeugen(c, tmp.path(), -1, &fehler))
            state.SkipWithError(qPrintable(fehler));
    }
}

BENCHMARK(BM_WebseiteDaten)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WebseiteSeiten)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WebseiteGanz)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    std::printf("Ziel: ganze Seite (BM_WebseiteGanz) <= 3000 ms, groesste_Seite_KB <= 1024\n");
    benchmark::Shutdown();
    return 0;
}
