// Opens the operation history on 150 past runs: the fetch from the history store, the view model,
// the screen's load and appearance, the cells of every row, the layout and the first 1x render of
// the 390 x 844 window. Aim: under 50 ms on one core. Each run also times the fetch alone, and
// reports the whole opening as a ratio to it ("fetch_ms", "ratio").

#include "application/ScreenFramework/ScreenFrameworkFakes.h"

#include "Class/Model/CarRecordStore.h"
#include "Class/Model/DataController.h"
#include "Class/UI/Base/View/BaseUINavigationController.h"
#include "Class/UI/OperationHistory/View/OperationHistoryViewController.h"
#include "Class/UI/OperationHistory/ViewModel/OperationHistoryViewModel.h"

#include "foundation/Locale.h"
#include "foundation/VirtualTime.h"
#include "ui/LayerRenderer.h"
#include "ui/Window.h"

#include <QTemporaryDir>

#include <chrono>
#include <cstdlib>

#include <benchmark/benchmark.h>

namespace {

using namespace screen_testing;
using namespace std::chrono;

constexpr int RUNS = 150;

struct History {
    QTemporaryDir folder;
    foundation::VirtualTime time;
    std::shared_ptr<DataController> store;

    History()
    {
        time.mainLoop();
        store = std::make_shared<DataController>(folder.path().toStdString(), time);
        const auto start = sys_days{2026y / 1 / 1};
        for (int run = 0; run < RUNS; ++run) {
            time.setWallStart(foundation::Date(duration_cast<foundation::Date::duration>((start + days{run} + hours{9}).time_since_epoch())));
            const std::string id = store->insertHistory();
            store->updateHistory(id, "VIN0001", "Family car");
            store->closeHistory(id, run % 3 == 0 ? EventCode::E006 : EventCode::N001, "Family car");
        }
    }
};

BaseViewModelInjection injection()
{
    return {.transitionManager = std::make_shared<RecordingTransitionManager>(), .displayData = std::make_shared<FakeDisplayData>(),
            .cautionData = std::make_shared<FakeCautionData>(), .userOperationModel = std::make_shared<RecordingUserOperationModel>(),
            .sdkModel = std::make_shared<RecordingSdkModel>(), .displayModel = std::make_shared<RecordingDisplayModel>()};
}

void BM_OpenOperationHistory(benchmark::State& state)
{
    History history;
    foundation::Locale::setCurrentIdentifier("en_US");
    // Each row looks its car up in the registered cars.
    CarRecordStore::shared().saveCarRecords({{.CarID = "VIN0001", .CarName = "Family car"}, {.CarID = "VIN0002", .CarName = "Van"}});
    double fetchSeconds = 0;
    double openSeconds = 0;
    for (auto _ : state) {
        const auto fetchStart = steady_clock::now();
        benchmark::DoNotOptimize(history.store->fetchHistories({.limit = RUNS}));
        fetchSeconds += duration<double>(steady_clock::now() - fetchStart).count();

        const auto openStart = steady_clock::now();
        auto viewModel = std::make_shared<OperationHistoryViewModel>(injection(), history.store);
        auto screen = std::make_shared<OperationHistoryViewController>();
        screen->viewModel = viewModel;
        screen->baseViewModel = viewModel;
        auto window = std::make_shared<ui::Window>(ui::Rect{0, 0, 390, 844});
        window->setRootViewController(std::make_shared<BaseUINavigationController>(screen));
        window->makeKeyAndVisible();
        window->layoutIfNeeded();
        benchmark::DoNotOptimize(ui::LayerRenderer(history.time.now()).renderView(*window, 1));
        openSeconds += duration<double>(steady_clock::now() - openStart).count();
        if (viewModel->operationHistoryList()->size() != RUNS)
            state.SkipWithError("not every run is listed");
        window->setRootViewController(nullptr);
        history.time.runUntilIdle();
    }
    const double iterations = static_cast<double>(state.iterations());
    state.counters["fetch_ms"] = benchmark::Counter(fetchSeconds * 1000 / iterations);
    state.counters["ratio"] = benchmark::Counter(openSeconds / fetchSeconds);
}
BENCHMARK(BM_OpenOperationHistory)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    // The program's folders of this run only.
    static QTemporaryDir folders;
    setenv("TOLVANE_DATA_DIR", (folders.path() + "/data").toUtf8().constData(), 1);
    setenv("TOLVANE_ACCESSORY_DIR", (folders.path() + "/accessories").toUtf8().constData(), 1);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
