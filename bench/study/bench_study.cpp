// Timings of the study window: opening it, filtering the 9261 patterns,
// jumping the main window's reels, and the progress file. Run it on the
// display the program will use (e.g. under xvfb-run); without a display it
// falls back to the offscreen platform.
#include "picturefolder.h"

#include "study/patternbrowser.h"
#include "study/patternfilter.h"
#include "study/patternindex.h"
#include "study/progressfile.h"
#include "study/studylauncher.h"
#include "study/studyprogress.h"
#include "study/studywindow.h"

#include "platform/formfont.h"
#include "reels/riru.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <functional>
#include <memory>

using namespace sorvex;

namespace {

Riru *g_riru = nullptr;

void waitExposed(QWidget *window)
{
    if (!QTest::qWaitForWindowExposed(window))
        std::abort();
}

// A player's long study: every pattern seen, the history full.
void fill(StudyProgress &progress)
{
    const QDateTime time = QDateTime::currentDateTime();
    for (int index = 0; index < patternCount; ++index)
        progress.record({time, patternAt(index), JudgementCause::Jump, {}});
    for (int i = 0; i < StudyProgress::historyLimit; ++i)
        progress.record({time, patternAt(i * 40), JudgementCause::Spin, {3, 1, 2}});
}

// F2 to the window on screen, its pattern list laid out and painted. The
// launcher lives as long as the main window, so it is made untimed.
void BM_StudyWindowOpened(benchmark::State &state)
{
    for (auto _ : state) {
        state.PauseTiming();
        auto launcher = std::make_unique<StudyLauncher>(g_riru, QString());
        state.ResumeTiming();
        StudyWindow *window = launcher->showWindow();
        waitExposed(window);
        QCoreApplication::processEvents();
        state.PauseTiming();
        launcher.reset();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}

// One filter change of the browser, with the list and its count redrawn.
void BM_FilterChanged(benchmark::State &state)
{
    StudyLauncher launcher(g_riru, QString());
    fill(launcher.progress());
    StudyWindow *window = launcher.showWindow();
    waitExposed(window);
    PatternFilter *filter = window->browser()->filter();
    const std::function<void()> changes[] = {
            [filter] { filter->setLeftIndex(7); },
            [filter] { filter->setLeftIndex(0); },
            [filter] { filter->setFamily('U'); },
            [filter] { filter->setFamily(0); },
            [filter] { filter->setText(QStringLiteral("チェリー")); },
            [filter] { filter->setText(QString()); },
            [filter] { filter->setUnseenOnly(true); },
            [filter] { filter->setUnseenOnly(false); },
            [filter] { filter->setLampOnly(true); },
            [filter] { filter->setLampOnly(false); },
    };
    // Sorted by code, as a player would to see the families together.
    window->browser()->view()->sortByColumn(4, Qt::AscendingOrder);
    std::size_t next = 0;
    for (auto _ : state) {
        changes[next++ % std::size(changes)]();
        window->browser()->view()->viewport()->repaint();
    }
}

// A jump from the browser to the main window showing the judgement.
void BM_JumpShown(benchmark::State &state)
{
    StudyLauncher launcher(g_riru, QString());
    StudyWindow *window = launcher.showWindow();
    waitExposed(window);
    auto *label = g_riru->findChild<QLabel *>(QStringLiteral("lbyakumei"));
    QTableView *view = window->browser()->view();
    // Far apart: every reel moves ten stops.
    const int rows[] = {patternIndex({1, 1, 1}), patternIndex({11, 11, 11})};
    int next = 0;
    for (auto _ : state) {
        view->setCurrentIndex(view->model()->index(rows[next++ % 2], 0));
        window->browserJumpAction()->trigger();
        label->repaint();
        g_riru->repaint();
    }
}

void BM_ProgressSaved(benchmark::State &state)
{
    QTemporaryDir dir;
    StudyProgress progress;
    fill(progress);
    const QString path = dir.filePath(QStringLiteral("progress.json"));
    QString error;
    for (auto _ : state) {
        if (!saveProgress(path, progress, &error))
            std::abort();
    }
}

void BM_ProgressLoaded(benchmark::State &state)
{
    QTemporaryDir dir;
    StudyProgress saved;
    fill(saved);
    const QString path = dir.filePath(QStringLiteral("progress.json"));
    QString error;
    if (!saveProgress(path, saved, &error))
        std::abort();
    for (auto _ : state) {
        StudyProgress progress;
        if (loadProgress(path, progress).outcome != ProgressLoad::Loaded)
            std::abort();
        benchmark::DoNotOptimize(progress.patternsSeen());
    }
}

} // namespace

BENCHMARK(BM_StudyWindowOpened)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_FilterChanged)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_JumpShown)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ProgressSaved)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ProgressLoaded)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    installFormFontSubstitutes();
    testing::PictureFolder pictures;
    Riru riru;
    riru.loadPictures();
    riru.show();
    waitExposed(&riru);
    g_riru = &riru;

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
