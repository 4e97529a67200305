// The main window with a large cup: 20,000 participants and 50 races.
// Target: loading the file and showing the participants page takes well under a second, showing an
// already loaded cup (grids reset, first page painted) under 50 ms, and a refresh after a command that
// changed nothing costs next to nothing.
#include "bench/generator.h"
#include "core/cupdatei.h"
#include "ui/gitter.h"
#include "ui/main_unit.h"

#include <QApplication>
#include <QTabWidget>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace tlt;
using namespace tlt::ui;

namespace {

constexpr int kTeilnehmer = 20000;
constexpr int kLaufe = 50;

const QString &cupDatei()
{
    static QTemporaryDir tmp;
    static const QString pfad = [] {
        Cup c = erzeugeCup(kTeilnehmer, kLaufe, 7);
        const QString p = tmp.filePath(QStringLiteral("gross.tl3"));
        QString fehler;
        if (!speichernDatei(c, p, &fehler))
            qFatal("%s", qPrintable(fehler));
        return p;
    }();
    return pfad;
}

MainUnit &fenster()
{
    static MainUnit *w = [] {
        auto *f = new MainUnit;
        f->resize(1000, 700);
        f->show();
        f->seiten()->setCurrentIndex(2);
        QApplication::processEvents();
        return f;
    }();
    return *w;
}

void BM_LadenUndAnzeigen(benchmark::State &state)
{
    MainUnit &w = fenster();
    const QString pfad = cupDatei();
    for (auto _ : state) {
        if (!w.ladeDatei(pfad))
            state.SkipWithError("Laden fehlgeschlagen");
        w.teilGitter()->repaint();
        QApplication::processEvents();
    }
    state.counters["Teilnehmer"] = w.cup().anzahlTeilnehmer();
}
BENCHMARK(BM_LadenUndAnzeigen)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_GeladenenCupAnzeigen(benchmark::State &state)
{
    MainUnit &w = fenster();
    w.ladeDatei(cupDatei());
    for (auto _ : state) {
        w.neuAnzeigen();
        w.teilGitter()->repaint();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_GeladenenCupAnzeigen)->Unit(benchmark::kMillisecond);

void BM_AktualisierenOhneAenderung(benchmark::State &state)
{
    MainUnit &w = fenster();
    w.ladeDatei(cupDatei());
    for (auto _ : state)
        w.aktualisieren();
}
BENCHMARK(BM_AktualisierenOhneAenderung)->Unit(benchmark::kMicrosecond);

void BM_SortierenNachErgebnisspalte(benchmark::State &state)
{
    MainUnit &w = fenster();
    w.ladeDatei(cupDatei());
    bool ab = false;
    for (auto _ : state) {
        w.teilGitter()->setAktuelleZelle(8 + kLaufe / 2, 1);
        if (ab)
            w.teil_pop_p_fClick();
        else
            w.teil_pop_p_sClick();
        ab = !ab;
        w.teilGitter()->repaint();
    }
}
BENCHMARK(BM_SortierenNachErgebnisspalte)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    fenster().cup().edit(Cup::Stand::Gesichert);
    return 0;
}
