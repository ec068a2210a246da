// Drags the park-out tutorial across its five pages and back, one rendered frame per 1/60 s of
// virtual time at the phone's 3x scale, with whatever its pages animate meanwhile (the slider's
// hand on the control page). Reports the time per rendered frame; the aim is under 8 ms.

#include "application/ScreenFramework/ApplicationTest.h"

#include "Class/UI/Tutorial/View/TutorialFlowViewController.h"

#include "ui/LayerRenderer.h"
#include "ui/ScrollView.h"

#include <QTemporaryDir>

#include <chrono>
#include <cstdlib>

#include <benchmark/benchmark.h>

namespace {

constexpr int FRAMES_PER_PAGE = 20;

// The application over the tests' fakes of the framework, in a phone-sized window.
class DragStage final : public screen_testing::ApplicationTest {
public:
    DragStage()
    {
        showStack();
        transitionManager->showTutorialParkOut();
        settle();
        flow = dynamic_cast<tolvane::app::TutorialFlowViewController*>(stack->topViewController());
    }
    void TestBody() override {}

    // Moves the carousel to `x` as the finger would and draws the frame 1/60 s later.
    QImage frameAt(double x, double scale)
    {
        flow->carousel().setContentOffset({x, 0});
        time.advance(1.0 / 60);
        window->layoutIfNeeded();
        return ui::LayerRenderer(time.now()).renderView(*window, scale);
    }

    tolvane::app::TutorialFlowViewController* flow = nullptr;
};

void dragAcrossParkOut(benchmark::State& state)
{
    QTemporaryDir data;
    setenv("TOLVANE_DATA_DIR", data.path().toUtf8().constData(), 1);
    const double scale = static_cast<double>(state.range(0));
    DragStage stage;
    const double width = stage.flow->carousel().bounds().width();
    const int pages = stage.flow->numberOfPages();
    int64_t frames = 0;
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state) {
        for (int step = 0; step <= 2 * (pages - 1) * FRAMES_PER_PAGE; ++step) {
            const int along = step <= (pages - 1) * FRAMES_PER_PAGE ? step : 2 * (pages - 1) * FRAMES_PER_PAGE - step;
            QImage frame = stage.frameAt(width * along / FRAMES_PER_PAGE, scale);
            benchmark::DoNotOptimize(frame.constBits());
            ++frames;
        }
    }
    const double elapsed = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    state.counters["ms_per_frame"] = frames ? elapsed / static_cast<double>(frames) : 0;
}

} // namespace

BENCHMARK(dragAcrossParkOut)->Arg(1)->Arg(3)->Unit(benchmark::kMillisecond)->UseRealTime();

BENCHMARK_MAIN();
