// The reports on a large cup: 20,000 participants and 50 races, after the last race.
// Target: `tlt gesamt CUP 50` takes at most 1 s wall time for the whole process, load included.
#include "bench/generator.h"
#include "core/cupdatei.h"
#include "reports/ausgabe.h"
#include "reports/drucken.h"
#include "reports/gesamt.h"
#include "reports/html.h"
#include "reports/laufergebnis.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <sys/resource.h>

using namespace tlt;

namespace {

constexpr int kTeilnehmer = 20000;
constexpr int kLaufe = 50;

// Where the generated cup and the outputs go: a temporary folder, or TLT_BENCH_ORDNER to keep them.
QDir ordner()
{
    static QTemporaryDir tmp;
    const QString fest = qEnvironmentVariable("TLT_BENCH_ORDNER");
    return QDir(fest.isEmpty() ? tmp.path() : fest);
}

// The large cup as the program has it after loading its file.
const Cup &geladenerCup()
{
    static const Cup cup = [] {
        Cup c = erzeugeCup(kTeilnehmer, kLaufe, 42);
        const QString pfad = ordner().filePath(QStringLiteral("gross.tl3"));
        QString fehler;
        if (!speichernDatei(c, pfad, &fehler))
            qFatal("%s", qPrintable(fehler));
        Cup geladen;
        if (!ladenDatei(geladen, pfad, &fehler))
            qFatal("%s", qPrintable(fehler));
        return geladen;
    }();
    return cup;
}

// tlt next to this benchmark's build folder, or where TLT_BINARY says.
QString tltProgramm()
{
    const QString env = qEnvironmentVariable("TLT_BINARY");
    if (!env.isEmpty())
        return env;
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("../cli/tlt"));
}

void prozess(benchmark::State &state, const QStringList &args)
{
    geladenerCup();
    const QString tlt = tltProgramm();
    if (!QFileInfo::exists(tlt)) {
        state.SkipWithError("tlt not built (target tlt) or TLT_BINARY not set");
        return;
    }
    QStringList alle = args;
    alle.replaceInStrings(QStringLiteral("CUP"), ordner().filePath(QStringLiteral("gross.tl3")));
    alle.replaceInStrings(QStringLiteral("ZIEL"), ordner().absolutePath());
    // The child's CPU time as well: on a busy machine the wall time says more about the others.
    const auto kindCpu = [] {
        struct rusage r {};
        getrusage(RUSAGE_CHILDREN, &r);
        return static_cast<double>(r.ru_utime.tv_sec + r.ru_stime.tv_sec) +
               static_cast<double>(r.ru_utime.tv_usec + r.ru_stime.tv_usec) / 1e6;
    };
    const double cpuVorher = kindCpu();
    for (auto _ : state) {
        QProcess p;
        p.setStandardOutputFile(QProcess::nullDevice());
        p.start(tlt, alle);
        if (!p.waitForFinished(120000) || p.exitCode() != 0) {
            state.SkipWithError(qPrintable(QString::fromUtf8(p.readAllStandardError())));
            return;
        }
    }
    state.counters["Prozess_CPU_s"] =
        benchmark::Counter((kindCpu() - cpuVorher) / static_cast<double>(state.iterations()));
}

// The whole process: start, load the 4 MB file, compute and list the final standings, write stdout.
void BM_TltGesamtProzess(benchmark::State &state)
{
    prozess(state, {QStringLiteral("gesamt"), QStringLiteral("CUP"), QString::number(kLaufe)});
}

void BM_TltGesamtHtmlProzess(benchmark::State &state)
{
    prozess(state, {QStringLiteral("gesamt"), QStringLiteral("CUP"), QString::number(kLaufe), QStringLiteral("--html"),
                    QStringLiteral("ZIEL/gesamt.htm")});
}

void BM_TltLaufergebnisProzess(benchmark::State &state)
{
    prozess(state, {QStringLiteral("laufergebnis"), QStringLiteral("CUP"), QString::number(kLaufe)});
}

// In the process: the standings alone, on a loaded cup.
void BM_AusgabeGesamt(benchmark::State &state)
{
    for (auto _ : state) {
        state.PauseTiming();
        Cup cup = geladenerCup();
        Ausgabe aus;
        state.ResumeTiming();
        ausgabe_gesamt(cup, aus, kLaufe);
        benchmark::DoNotOptimize(aus.anzahl());
    }
}

void BM_AusgabeLaufergebnis(benchmark::State &state)
{
    for (auto _ : state) {
        state.PauseTiming();
        Cup cup = geladenerCup();
        Ausgabe aus;
        state.ResumeTiming();
        ausgabe_laufergebnis(cup, aus, kLaufe);
        benchmark::DoNotOptimize(aus.anzahl());
    }
}

void BM_HtmlSeite(benchmark::State &state)
{
    Cup cup = geladenerCup();
    Ausgabe aus;
    ausgabe_gesamt(cup, aus, kLaufe);
    for (auto _ : state)
        benchmark::DoNotOptimize(htmlSeite(aus, cup).size());
    state.counters["Zeilen"] = aus.anzahl();
}

// Printing the race list of the last race into a PDF (some hundred pages).
void BM_DruckPdf(benchmark::State &state)
{
    Cup cup = geladenerCup();
    Ausgabe vorlage;
    ausgabe_laufergebnis(cup, vorlage, kLaufe);
    for (auto _ : state) {
        Ausgabe aus = vorlage;
        QPdfWriter pdf(ordner().filePath(QStringLiteral("liste.pdf")));
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
        pdf.setResolution(600);
        if (!printausgabe(aus, pdf, 1.0, 0.75, 0.5, 0.75))
            state.SkipWithError("print failed");
    }
    state.counters["Zeilen"] = vorlage.anzahl();
}

} // namespace

BENCHMARK(BM_TltGesamtProzess)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);
BENCHMARK(BM_TltGesamtHtmlProzess)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(BM_TltLaufergebnisProzess)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(BM_AusgabeGesamt)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_AusgabeLaufergebnis)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_HtmlSeite)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DruckPdf)->Unit(benchmark::kMillisecond)->Iterations(1);

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
