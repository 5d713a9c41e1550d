// Painting the whole page: every paint of the view draws the page into an
// off-screen image and copies the exposed part. Measured offscreen on the
// window the player sees, at the picker and at the results; with
// --device-pixel-ratio=2, on a screen of twice the density (QT_SCALE_FACTOR=2),
// where the page image has four times the pixels.
#include "ProbeGame.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <string>

namespace {

// The program's windows must go before the QApplication of main does.
std::unique_ptr<CPokerApp>& AppSlot()
{
    static std::unique_ptr<CPokerApp> app;
    return app;
}

CPokerApp& RunningApp()
{
    std::unique_ptr<CPokerApp>& app = AppSlot();
    if (!app) {
        app = std::make_unique<CPokerApp>();
        probe::AnswerOpponentsDialogAtOnce();
        app->InitInstance();
        if (!QTest::qWaitForWindowExposed(app->GetView()->window()))
            qFatal("the window was never shown");
    }
    return *app;
}

// Counts the paints the viewport really receives, so that a repaint the
// platform skipped cannot pass for a fast one.
class CPaintCounter : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++m_nPaints;
        return false;
    }
    long m_nPaints = 0;
};

void RepaintWholeView(benchmark::State& state, CPokerView& view)
{
    view.viewport()->repaint();
    CPaintCounter counter;
    view.viewport()->installEventFilter(&counter);
    for (auto _ : state)
        view.viewport()->repaint();
    view.viewport()->removeEventFilter(&counter);
    state.counters["ratio"] = view.viewport()->devicePixelRatio();
    if (counter.m_nPaints != static_cast<long>(state.iterations()))
        state.SkipWithError("the viewport was not painted on every repaint");
}

void BM_PaintPickerPage(benchmark::State& state)
{
    CPokerApp& app = RunningApp();
    app.OnFileNew();
    QCoreApplication::processEvents();
    RepaintWholeView(state, *app.GetView());
}
BENCHMARK(BM_PaintPickerPage)->Unit(benchmark::kMillisecond);

void BM_PaintResultsPage(benchmark::State& state)
{
    CPokerApp& app = RunningApp();
    app.OnFileNew();
    QCoreApplication::processEvents();
    probe::PickAndConfirm(*app.GetView(), {"4s", "4h", "5d", "6c", "7c"});
    RepaintWholeView(state, *app.GetView());
}
BENCHMARK(BM_PaintResultsPage)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The screen's density is fixed once the application exists.
    const std::string denseFlag = "--device-pixel-ratio=2";
    for (int i = 1; i < argc; ++i) {
        if (argv[i] == denseFlag) {
            qputenv("QT_SCALE_FACTOR", "2");
            std::copy(argv + i + 1, argv + argc, argv + i);
            argv[--argc] = nullptr;
            break;
        }
    }
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    AppSlot().reset();
    return 0;
}
