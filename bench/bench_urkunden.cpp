// Winners' certificates of one race of a generated cup (1,000 participants, about 100 certificates)
// written as a PDF: with the texts measured from one reference size, and, for comparison, with the
// font measured afresh at every pixel step of the shrinking loop (one font per step).
#include "bench/generator.h"
#include "certificates/druckerleinwand.h"
#include "certificates/urkundenbefehle.h"
#include "certificates/urkundenpdf.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <cmath>

using namespace tlt;

namespace {

// Measures every width with the device's font at the current height.
class DirektGemessen : public DruckerLeinwand {
public:
    using DruckerLeinwand::DruckerLeinwand;
    int textbreite(const QString &text) const override
    {
        QFont f = schrift();
        return static_cast<int>(std::ceil(QFontMetricsF(f, geraet).horizontalAdvance(text) - 1e-6));
    }
    QPaintDevice *geraet = nullptr;
};

Cup &cup()
{
    static Cup c = [] {
        Generatoreinstellungen e;
        e.teilnehmer = 1000;
        e.laufe = 4;
        return erzeugeCup(e);
    }();
    return c;
}

void BM_SiegerurkundenPdf(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString pfad = dir.filePath(QStringLiteral("sieger.pdf"));
    const Unterschriften u{QStringLiteral("Anna Vorsitz"), QStringLiteral("1. Vorsitzende")};
    cup().urkundenstil = static_cast<int>(state.range(0));
    int n = 0;
    for (auto _ : state) {
        QString fehler;
        n = urkundenAlsPdf(
            pfad, [&](Leinwand &l) { return siegerurkunde(cup(), 1, l, u, {}); }, &fehler);
        benchmark::DoNotOptimize(n);
    }
    state.counters["Urkunden"] = n;
}

void BM_SiegerurkundenPdfDirektGemessen(benchmark::State &state)
{
    QTemporaryDir dir;
    const Unterschriften u{QStringLiteral("Anna Vorsitz"), QStringLiteral("1. Vorsitzende")};
    cup().urkundenstil = static_cast<int>(state.range(0));
    int n = 0;
    for (auto _ : state) {
        QPdfWriter pdf(dir.filePath(QStringLiteral("direkt.pdf")));
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(4, 4, 4, 4),
                                      QPageLayout::Millimeter));
        pdf.setResolution(600);
        DirektGemessen l(&pdf);
        l.geraet = &pdf;
        n = siegerurkunde(cup(), 1, l, u, {});
        benchmark::DoNotOptimize(n);
    }
    state.counters["Urkunden"] = n;
}

} // namespace

BENCHMARK(BM_SiegerurkundenPdf)->Arg(0)->Arg(2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SiegerurkundenPdfDirektGemessen)->Arg(0)->Unit(benchmark::kMillisecond)->Iterations(1);

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
