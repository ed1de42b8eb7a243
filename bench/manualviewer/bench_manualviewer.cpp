// How long the manual viewer takes from its load to the text on screen, for
// the shipped manual and for the largest file it accepts as one long line.
// Run it on the display the program will use (e.g. under xvfb-run); without
// a display it falls back to the offscreen platform.
#include "help/manualfile.h"
#include "help/readme.h"
#include "platform/formfont.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

using namespace sorvex;

namespace {

// Loads a fresh viewer from a manual of these bytes and waits until it has
// been painted.
void showViewer(benchmark::State &state, const QByteArray &manual)
{
    QTemporaryDir folder;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(folder.path());
    QFile file(ManualFile::fileName());
    if (!file.open(QIODevice::WriteOnly) || file.write(manual) != manual.size())
        std::abort();
    file.close();
    for (auto _ : state) {
        auto viewer = std::make_unique<Readme>(nullptr);
        viewer->loadManual();
        viewer->show();
        if (!QTest::qWaitForWindowExposed(viewer.get()))
            std::abort();
        // Paint now, as the user's first look would.
        viewer->Text1()->viewport()->repaint();
        benchmark::DoNotOptimize(viewer->Text1()->document()->characterCount());
    }
    QDir::setCurrent(previous);
}

void BM_ViewerShowsShippedManual(benchmark::State &state)
{
    QFile shipped(QStringLiteral(SORVEX_SHIPPED_MANUAL));
    if (!shipped.open(QIODevice::ReadOnly))
        std::abort();
    showViewer(state, shipped.readAll());
}

void BM_ViewerShowsOneLongLine(benchmark::State &state)
{
    // The largest file the viewer accepts, one line of Shift-JIS text and
    // ASCII without a single line end.
    QByteArray line;
    while (line.size() < ManualFile::maximumBytes - 8)
        line += "\x82\xa0 abc \x88\x9f";
    line.truncate(ManualFile::maximumBytes);
    showViewer(state, line);
}

} // namespace

BENCHMARK(BM_ViewerShowsShippedManual)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ViewerShowsOneLongLine)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    installFormFontSubstitutes();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
