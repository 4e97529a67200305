// Long fields and long tables that once took quadratic time: a report PDF of a cup whose name is
// megabytes long, winners' certificates with such a name, and the race result list of a cup with
// 100,000 age groups and 20,000 participants. Targets: 10 MB name report PDF within 3 s, the race
// list within 1 s.
#include "bench/generator.h"
#include "certificates/urkundenbefehle.h"
#include "certificates/urkundenpdf.h"
#include "reports/ausgabe.h"
#include "reports/laufergebnis.h"
#include "reports/pdf.h"

#include <QGuiApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace tlt;

namespace {

Cup cupMitName(qsizetype megabyte)
{
    Cup c = erzeugeCup(40, 2, 3);
    // Words of a few letters: the wrapping has blanks to break at.
    QString name;
    name.reserve(megabyte * 1024 * 1024);
    while (name.size() < megabyte * 1024 * 1024)
        name += QStringLiteral("Volkslauf ");
    c.name = name;
    return c;
}

void BM_BerichtsPdfLangerName(benchmark::State &state)
{
    Cup c = cupMitName(state.range(0));
    QTemporaryDir dir;
    for (auto _ : state) {
        Ausgabe aus;
        ausgabe_laufergebnis(c, aus, 1);
        QString fehler;
        if (!ausgabeAlsPdf(aus, dir.filePath(QStringLiteral("l.pdf")), &fehler))
            state.SkipWithError(qPrintable(fehler));
    }
}

void BM_SiegerurkundenLangerName(benchmark::State &state)
{
    Cup c = cupMitName(state.range(0));
    QTemporaryDir dir;
    const Unterschriften u{QStringLiteral("Anna Vorsitz"), QStringLiteral("1. Vorsitzende")};
    int n = 0;
    for (auto _ : state) {
        QString fehler;
        n = urkundenAlsPdf(
            dir.filePath(QStringLiteral("s.pdf")), [&](Leinwand &l) { return siegerurkunde(c, 1, l, u, {}); },
            &fehler);
        if (n < 0)
            state.SkipWithError(qPrintable(fehler));
    }
    state.counters["Urkunden"] = n;
}

void BM_LaufergebnisVieleAltersgruppen(benchmark::State &state)
{
    Generatoreinstellungen e;
    e.teilnehmer = static_cast<int>(state.range(1));
    e.laufe = 2;
    e.cupvarianten = false;
    Cup c = erzeugeCup(e);
    // Many more age groups than runners; the runners keep their groups, which stay in the table.
    const int gruppen = static_cast<int>(state.range(0));
    Tabelle ag = c.ag;
    const int alt = ag.rowCount();
    ag.setRowCount(gruppen + 1);
    for (int r = alt; r <= gruppen; ++r) {
        ag.setCell(0, r, QStringLiteral("WX%1").arg(r));
        ag.setCell(1, r, QStringLiteral("MX%1").arg(r));
        ag.setCell(2, r, QString::number(200 + r));
    }
    c.ag = ag;
    for (auto _ : state) {
        Ausgabe aus;
        ausgabe_laufergebnis(c, aus, 1);
        benchmark::DoNotOptimize(aus.anzahl());
    }
}

} // namespace

BENCHMARK(BM_BerichtsPdfLangerName)->Arg(1)->Arg(3)->Arg(10)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_SiegerurkundenLangerName)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_LaufergebnisVieleAltersgruppen)
    ->Args({100000, 20000})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
