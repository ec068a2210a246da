// Opens the operation history on 150 listed runs with 150 and with 10 000 runs stored: the fetch
// from the history store, the view model, the screen's load and appearance, the cells, the layout
// and the first 1x render of the 390 x 844 window. Beside it, in the same run, a bare Qt list of the
// same rows: the newest 150 by SQL (ORDER BY ... LIMIT) and only the rows that fit drawn with
// QPainter. Printed at the end: each opening against the bare list, the cost of 10 000 stored rows
// against 150, and the first opening of the process (cold caches). Aims: within 3x the bare list,
// the first opening under 50 ms, and flat from 150 to 10 000 stored rows.

#include "application/ScreenFramework/ScreenFrameworkFakes.h"

#include "Class/Model/CarRecordStore.h"
#include "Class/Model/DataController.h"
#include "Class/UI/Base/View/BaseUINavigationController.h"
#include "Class/UI/OperationHistory/View/OperationHistoryViewController.h"
#include "Class/UI/OperationHistory/ViewModel/OperationHistoryViewModel.h"

#include "InterleavedRuns.h"
#include "foundation/Locale.h"
#include "foundation/VirtualTime.h"
#include "ui/GuiRuntime.h"
#include "ui/LayerRenderer.h"
#include "ui/Window.h"

#include <QDateTime>
#include <QImage>
#include <QPainter>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QVariant>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <optional>

namespace {

using namespace screen_testing;
using namespace std::chrono;

constexpr int LISTED = 150;
constexpr int FEW_STORED = 150;
constexpr int MANY_STORED = 10000;

// A history store holding `stored` runs, one a day, the newest last; written in one transaction
// beside the store, since 10 000 single commits would take minutes.
struct History {
    QTemporaryDir folder;
    foundation::VirtualTime time;
    std::shared_ptr<DataController> store;

    explicit History(int stored)
    {
        time.mainLoop();
        DataController{folder.path().toStdString(), time};
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("bench-fill"));
            db.setDatabaseName(folder.path() + "/TolvaneControl.sqlite");
            db.open();
            db.transaction();
            QSqlQuery insert(db);
            insert.prepare(QStringLiteral("INSERT INTO TolvaneControlHistory (id, launchDate, closeDate, deviceId, carName, "
                                          "eventCode, sdkVersion, timeZone) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"));
            const auto first = sys_days{2026y / 1 / 1} - days{stored};
            for (int run = 0; run < stored; ++run) {
                const auto launch = duration_cast<microseconds>((first + days{run} + hours{9}).time_since_epoch()).count();
                insert.addBindValue(QStringLiteral("00000000-0000-4000-8000-%1").arg(run, 12, 10, QLatin1Char('0')));
                insert.addBindValue(static_cast<qint64>(launch));
                insert.addBindValue(static_cast<qint64>(launch + 60'000'000));
                insert.addBindValue(QStringLiteral("VIN0001"));
                insert.addBindValue(QStringLiteral("Family car"));
                insert.addBindValue(run % 3 == 0 ? QStringLiteral("E006") : QStringLiteral("N001"));
                insert.addBindValue(QStringLiteral("1.0.0"));
                insert.addBindValue(QStringLiteral("Asia/Tokyo"));
                insert.exec();
            }
            db.commit();
            db.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("bench-fill"));
        store = std::make_shared<DataController>(folder.path().toStdString(), time);
    }
};

BaseViewModelInjection injection()
{
    return {.transitionManager = std::make_shared<RecordingTransitionManager>(), .displayData = std::make_shared<FakeDisplayData>(),
            .cautionData = std::make_shared<FakeCautionData>(), .userOperationModel = std::make_shared<RecordingUserOperationModel>(),
            .sdkModel = std::make_shared<RecordingSdkModel>(), .displayModel = std::make_shared<RecordingDisplayModel>()};
}

std::optional<double> firstOpeningMs;

void openOnce(History& history, benchmark::State& state)
{
    const auto start = steady_clock::now();
    auto viewModel = std::make_shared<OperationHistoryViewModel>(injection(), history.store);
    auto screen = std::make_shared<OperationHistoryViewController>();
    screen->viewModel = viewModel;
    screen->baseViewModel = viewModel;
    auto window = std::make_shared<ui::Window>(ui::Rect{0, 0, 390, 844});
    window->setRootViewController(std::make_shared<BaseUINavigationController>(screen));
    window->makeKeyAndVisible();
    window->layoutIfNeeded();
    benchmark::DoNotOptimize(ui::LayerRenderer(history.time.now()).renderView(*window, 1));
    if (!firstOpeningMs)
        firstOpeningMs = duration<double, std::milli>(steady_clock::now() - start).count();
    if (viewModel->operationHistoryList()->size() != LISTED)
        state.SkipWithError("not every run is listed");
    window->setRootViewController(nullptr);
    history.time.runUntilIdle();
}

void BM_OpenOperationHistory(benchmark::State& state)
{
    History history(static_cast<int>(state.range(0)));
    foundation::Locale::setCurrentIdentifier("en_US");
    // Each row looks its car up in the registered cars.
    CarRecordStore::shared().saveCarRecords({{.CarID = "VIN0001", .CarName = "Family car"}, {.CarID = "VIN0002", .CarName = "Van"}});
    for (auto _ : state)
        openOnce(history, state);
}
BENCHMARK(BM_OpenOperationHistory)->Arg(FEW_STORED)->Arg(MANY_STORED)->Unit(benchmark::kMillisecond);

struct BareRow {
    QDateTime launch;
    QDateTime close;
    QString carName;
    QString eventCode;
};

// What a plain Qt program would do: the newest rows by SQL, then only the rows that fit drawn.
void BM_BareQtList(benchmark::State& state)
{
    ui::GuiRuntime::ensure();
    History history(static_cast<int>(state.range(0)));
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("bench-bare"));
    db.setDatabaseName(history.folder.path() + "/TolvaneControl.sqlite");
    db.open();
    const QFont font(QStringLiteral("DejaVu Sans"), 12);
    for (auto _ : state) {
        QSqlQuery query(db);
        query.exec(QStringLiteral("SELECT launchDate, closeDate, carName, eventCode FROM TolvaneControlHistory "
                                  "ORDER BY launchDate DESC LIMIT %1").arg(LISTED));
        std::vector<BareRow> rows;
        while (query.next())
            rows.push_back({QDateTime::fromMSecsSinceEpoch(query.value(0).toLongLong() / 1000),
                            QDateTime::fromMSecsSinceEpoch(query.value(1).toLongLong() / 1000), query.value(2).toString(),
                            query.value(3).toString()});
        QImage image(390, 844, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setFont(font);
        constexpr int rowHeight = 76;
        for (size_t row = 0; row < rows.size() && static_cast<int>(row) * rowHeight < image.height(); ++row) {
            const int top = static_cast<int>(row) * rowHeight;
            painter.drawText(16, top + 22, rows[row].carName);
            painter.drawText(16, top + 44, rows[row].launch.toString(QStringLiteral("yyyy/MM/dd HH:mm")));
            painter.drawText(200, top + 44, rows[row].close.toString(QStringLiteral("yyyy/MM/dd HH:mm")));
            painter.drawText(16, top + 66, rows[row].eventCode);
            painter.fillRect(16, top + rowHeight - 1, 374, 1, QColor(198, 198, 200));
        }
        benchmark::DoNotOptimize(image.constBits());
    }
    db.close();
    db = {};
    QSqlDatabase::removeDatabase(QStringLiteral("bench-bare"));
}
BENCHMARK(BM_BareQtList)->Arg(FEW_STORED)->Arg(MANY_STORED)->Unit(benchmark::kMillisecond);

class RatioReporter final : public MedianReporter {
public:
    void Finalize() override
    {
        ConsoleReporter::Finalize();
        for (int stored : {FEW_STORED, MANY_STORED}) {
            const std::string open = "BM_OpenOperationHistory/" + std::to_string(stored);
            const std::string bare = "BM_BareQtList/" + std::to_string(stored);
            if (has(open) && has(bare))
                std::printf("%d stored: opening %.2f ms, bare list %.2f ms, ratio %.2f\n", stored, median(open),
                            median(bare), median(open) / median(bare));
        }
        const std::string few = "BM_OpenOperationHistory/" + std::to_string(FEW_STORED);
        const std::string many = "BM_OpenOperationHistory/" + std::to_string(MANY_STORED);
        if (has(few) && has(many))
            std::printf("opening with %d stored against %d stored: %.2f\n", MANY_STORED, FEW_STORED, median(many) / median(few));
        if (firstOpeningMs)
            std::printf("first opening in this process: %.2f ms\n", *firstOpeningMs);
    }
};

} // namespace

int main(int argc, char** argv)
{
    // The program's folders of this run only.
    static QTemporaryDir folders;
    setenv("TOLVANE_DATA_DIR", (folders.path() + "/data").toUtf8().constData(), 1);
    setenv("TOLVANE_ACCESSORY_DIR", (folders.path() + "/accessories").toUtf8().constData(), 1);
    return runInterleaved<RatioReporter>(argc, argv);
}
