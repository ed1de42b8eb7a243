// Start-up and reel timings of the main window. Run it on the display the
// program will use (e.g. under xvfb-run); without a display it falls back
// to the offscreen platform.
#include "picturefolder.h"

#include "app/form4.h"
#include "app/programstart.h"
#include "platform/formbutton.h"
#include "platform/formfont.h"
#include "platform/formtimer.h"
#include "platform/picturebox.h"
#include "reels/riru.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLineEdit>
#include <QTest>

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdlib>
#include <memory>
#include <vector>

using namespace sorvex;

namespace {

double g_launchToDisclaimerMs = 0;

void waitExposed(QWidget *window)
{
    if (!QTest::qWaitForWindowExposed(window))
        std::abort();
}

// From main() (the application object not yet made) to the disclaimer on
// screen: measured once, as a real launch happens once.
void BM_LaunchToDisclaimerShown(benchmark::State &state)
{
    for (auto _ : state)
        state.SetIterationTime(g_launchToDisclaimerMs / 1000.0);
    state.counters["ms"] = g_launchToDisclaimerMs;
}

void BM_DisclaimerShown(benchmark::State &state)
{
    for (auto _ : state) {
        ProgramStart program;
        QElapsedTimer clock;
        clock.start();
        program.start();
        waitExposed(program.form4());
        state.SetIterationTime(clock.nsecsElapsed() / 1e9);
    }
}

// OK pressed to the main window on screen: the disclaimer unloaded, the
// window built, its four pictures read and the window shown.
void BM_OkToMainWindowShown(benchmark::State &state)
{
    for (auto _ : state) {
        ProgramStart program;
        program.start();
        waitExposed(program.form4());
        QElapsedTimer clock;
        clock.start();
        program.form4()->okButton()->click();
        waitExposed(program.riru());
        state.SetIterationTime(clock.nsecsElapsed() / 1e9);
    }
}

// One reel tick: the move and the repaint of the reel's opening, flushed
// to the screen.
void BM_ReelTickAndRepaint(benchmark::State &state)
{
    Riru riru;
    riru.loadPictures();
    riru.show();
    waitExposed(&riru);
    for (auto _ : state) {
        riru.machine().tick(1);
        riru.image(1)->repaint();
    }
    state.SetItemsProcessed(state.iterations());
}

// Reels at 35 ms per cell on the real timers: the mean and the spread of
// the interval between two ticks of one reel over 200 ticks.
void BM_TickIntervalAt35ms(benchmark::State &state)
{
    constexpr int tickCount = 200;
    for (auto _ : state) {
        Riru riru;
        riru.loadPictures();
        riru.show();
        waitExposed(&riru);
        riru.findChild<QLineEdit *>(QStringLiteral("Text1"))->setText(QStringLiteral("35"));
        std::vector<qint64> stamps;
        stamps.reserve(tickCount + 1);
        QElapsedTimer clock;
        QEventLoop loop;
        QObject::connect(riru.timer(1), &FormTimer::tick, &loop, [&] {
            stamps.push_back(clock.nsecsElapsed());
            if (stamps.size() == tickCount + 1)
                loop.quit();
        });
        clock.start();
        QTest::mouseClick(riru.findChild<QWidget *>(QStringLiteral("cmstart")), Qt::LeftButton);
        loop.exec();
        riru.machine().autoStop();
        double sum = 0;
        double worst = 0;
        for (int i = 1; i <= tickCount; ++i) {
            const double interval = (stamps[i] - stamps[i - 1]) / 1e6;
            sum += interval;
            worst = std::max(worst, std::abs(interval - 35.0));
        }
        state.SetIterationTime(sum / tickCount / 1000.0);
        state.counters["mean_ms"] = sum / tickCount;
        state.counters["worst_deviation_ms"] = worst;
    }
}

} // namespace

BENCHMARK(BM_LaunchToDisclaimerShown)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DisclaimerShown)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OkToMainWindowShown)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReelTickAndRepaint)->MeasureProcessCPUTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TickIntervalAt35ms)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);

int main(int argc, char *argv[])
{
    QElapsedTimer launch;
    launch.start();
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    application.setQuitOnLastWindowClosed(false);
    installFormFontSubstitutes();
    testing::PictureFolder pictures;
    {
        ProgramStart program;
        program.start();
        waitExposed(program.form4());
        g_launchToDisclaimerMs = launch.nsecsElapsed() / 1e6;
    }

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
