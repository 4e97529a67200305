// Editing through the cup document on a generated cup of 20,000 participants and 50 races:
// every command including its undo record at most 10 ms (sorting keeps its own target), taking a
// step back or doing it again at most 50 ms, and 100 result entries held for undo at most 10 MB
// of extra memory (printed after the benchmarks).
#include "bench/generator.h"
#include "core/cupbefehle.h"
#include "core/cupdokument.h"
#include "core/laufbefehle.h"
#include "core/sortierung.h"
#include "core/teilnehmerbefehle.h"

#include <benchmark/benchmark.h>

#include <malloc.h>

#include <cstdio>
#include <functional>

using namespace tlt;

namespace {

CupDokument &dokument()
{
    static CupDokument *dok = [] {
        auto *d = new CupDokument;
        Cup cup = erzeugeCup(20000, 50, 3);
        teilsort(cup, Richtung::Aufsteigend, 0);
        d->ersetzen(std::move(cup));
        return d;
    }();
    return *dok;
}

// The steps, as the undo stack keeps them.
QList<QSharedPointer<Schritt>> &stapel()
{
    static QList<QSharedPointer<Schritt>> s;
    static bool verbunden = false;
    if (!verbunden) {
        QObject::connect(&dokument(), &CupDokument::schrittAufgezeichnet,
                         [](QSharedPointer<Schritt> x) { s << x; });
        verbunden = true;
    }
    return s;
}

using Befehl = std::function<void(Cup &)>;

Befehl befehl(int art, int i)
{
    switch (art) {
    case 0:
        return [i](Cup &c) { ergebnisEintragen(c, 1 + (i * 7919) % 20000, 1 + i % 50, QStringLiteral("%1m").arg(i)); };
    case 1:
        return [i](Cup &c) {
            auto d = teilnehmerLesen(c, 100);
            d.name = QStringLiteral("Mittelmann%1").arg(i);
            teilnehmerHinzufuegen(c, d);
        };
    case 2:
        return [i](Cup &c) {
            auto d = teilnehmerLesen(c, 1 + (i * 31) % 20000);
            d.verein = QStringLiteral("Neuer Verein %1").arg(i);
            teilnehmerAendern(c, 1 + (i * 31) % 20000, d);
        };
    case 3:
        return [i](Cup &c) { teilnehmerLoeschen(c, 1 + (i * 13) % 19000); };
    case 4:
        return [](Cup &c) {
            auto d = laufdatenLesen(c, 25);
            laufHinzufuegen(c, d);
        };
    case 5:
        return [](Cup &c) {
            auto d = laufdatenLesen(c, 25);
            d[10] = QStringLiteral("Anderswo");
            laufAendern(c, 25, d);
        };
    case 6:
        return [](Cup &c) { laufLoeschen(c, 25); };
    case 7:
        return [i](Cup &c) {
            // A label used by many participants: every one of them is renamed.
            agAendern(c, 9, c.ag.cell(0, 9) + QString::number(i % 2), c.ag.cell(1, 9), c.ag.cell(2, 9));
        };
    case 8:
        return [i](Cup &c) { pvHinzufuegen(c, 100 + i); };
    default:
        return [i](Cup &c) { c.name = QString::number(i); };
    }
}

// art: which command; the cup is brought back after every iteration (not timed).
void BM_Befehl(benchmark::State &state)
{
    CupDokument &dok = dokument();
    auto &s = stapel();
    const int art = static_cast<int>(state.range(0));
    int i = 0;
    for (auto _ : state) {
        dok.ausfuehren(QStringLiteral("Schritt"), befehl(art, ++i));
        state.PauseTiming();
        if (!s.isEmpty()) {
            dok.rueckgaengig(*s.last());
            s.removeLast();
        }
        state.ResumeTiming();
    }
}

void BM_Rueckgaengig(benchmark::State &state)
{
    CupDokument &dok = dokument();
    auto &s = stapel();
    const int art = static_cast<int>(state.range(0));
    int i = 0;
    for (auto _ : state) {
        state.PauseTiming();
        if (!dok.ausfuehren(QStringLiteral("Schritt"), befehl(art, ++i))) {
            state.ResumeTiming();
            continue;
        }
        state.ResumeTiming();
        dok.rueckgaengig(*s.last());
        state.PauseTiming();
        s.removeLast();
        state.ResumeTiming();
    }
}

void BM_Wiederholen(benchmark::State &state)
{
    CupDokument &dok = dokument();
    auto &s = stapel();
    const int art = static_cast<int>(state.range(0));
    int i = 0;
    for (auto _ : state) {
        state.PauseTiming();
        if (!dok.ausfuehren(QStringLiteral("Schritt"), befehl(art, ++i))) {
            state.ResumeTiming();
            continue;
        }
        dok.rueckgaengig(*s.last());
        state.ResumeTiming();
        dok.wiederholen(*s.last());
        state.PauseTiming();
        dok.rueckgaengig(*s.last());
        s.removeLast();
        state.ResumeTiming();
    }
}

void arten(benchmark::internal::Benchmark *b)
{
    for (int art = 0; art <= 9; ++art)
        b->Arg(art);
    b->Unit(benchmark::kMillisecond);
}

BENCHMARK(BM_Befehl)->Apply(arten);
BENCHMARK(BM_Rueckgaengig)->Apply(arten);
BENCHMARK(BM_Wiederholen)->Apply(arten);

// Extra memory held by 100 undo steps of result entry.
void speicherMessen()
{
    CupDokument &dok = dokument();
    auto &s = stapel();
    s.clear();
    const size_t vorher = mallinfo2().uordblks;
    for (int i = 0; i < 100; ++i)
        dok.ausfuehren(QStringLiteral("Ergebnis %1").arg(i), befehl(0, i));
    const size_t nachher = mallinfo2().uordblks;
    std::printf("100 Ergebniseingaben mit Rückgängig-Schritten: %.3f MB zusätzlicher Speicher (Ziel: höchstens 10 MB)\n",
                double(nachher - vorher) / (1024.0 * 1024.0));
    for (int i = s.size() - 1; i >= 0; --i)
        dok.rueckgaengig(*s[i]);
    s.clear();
}

} // namespace

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    stapel();
    benchmark::RunSpecifiedBenchmarks();
    speicherMessen();
    benchmark::Shutdown();
    return 0;
}
