// Drags the park-out tutorial across its five pages and back, one rendered frame per 1/60 s of
// virtual time at 1x and the phone's 3x scale, with whatever its pages animate meanwhile (the
// slider's hand on the control page). Beside it, in the same run, a bare QPainter drag of pages
// of the same kind (a picture rasterised once, a title and a wrapped text, the page dots). Reports
// the time per rendered frame and the ratio to the bare drag; the aim is under 8 ms a frame.

#include "application/ScreenFramework/ApplicationTest.h"

#include "Class/UI/Tutorial/View/TutorialFlowViewController.h"

#include "ui/GuiRuntime.h"
#include "ui/LayerRenderer.h"
#include "ui/ScrollView.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTemporaryDir>

#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "InterleavedRuns.h"

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

constexpr int PAGES = 5;
constexpr int STEPS = 2 * (PAGES - 1) * FRAMES_PER_PAGE;

// Where the drag is at `step`: across the pages and back, in pages.
double pagesAlong(int step)
{
    return static_cast<double>(step <= STEPS / 2 ? step : STEPS - step) / FRAMES_PER_PAGE;
}

void perFrame(benchmark::State& state)
{
    state.counters["per_frame"] =
        benchmark::Counter(STEPS + 1, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_TutorialDrag(benchmark::State& state)
{
    QTemporaryDir data;
    setenv("TOLVANE_DATA_DIR", data.path().toUtf8().constData(), 1);
    const double scale = static_cast<double>(state.range(0));
    DragStage stage;
    const double width = stage.flow->carousel().bounds().width();
    for (auto _ : state) {
        for (int step = 0; step <= STEPS; ++step) {
            QImage frame = stage.frameAt(width * pagesAlong(step), scale);
            benchmark::DoNotOptimize(frame.constBits());
        }
    }
    perFrame(state);
}
BENCHMARK(BM_TutorialDrag)->Arg(1)->Arg(3)->Unit(benchmark::kMillisecond);

// The same drag written straight with QPainter: each page's picture rasterised once, its texts and
// the page dots drawn every frame at the page's place.
void BM_BareDrag(benchmark::State& state)
{
    ui::GuiRuntime::ensure();
    const double scale = static_cast<double>(state.range(0));
    const QSize window(static_cast<int>(390 * scale), static_cast<int>(844 * scale));
    std::array<QImage, PAGES> pictures;
    const std::array<const char*, PAGES> names = {"FirstTutorialWelcome", "FirstTutorialOutside", "FirstTutorialLinked",
                                                  "FirstTutorialInside", "FirstTutorialCaution"};
    for (int page = 0; page < PAGES; ++page) {
        QSvgRenderer svg(QStringLiteral(":/TolvaneIntegrationApp/Images/%1.svg").arg(names[page]));
        pictures[page] = QImage(static_cast<int>(328 * scale), static_cast<int>(214 * scale), QImage::Format_ARGB32_Premultiplied);
        pictures[page].fill(Qt::transparent);
        QPainter painter(&pictures[page]);
        svg.render(&painter);
    }
    QFont title(QStringLiteral("DejaVu Sans"), 24, QFont::Bold);
    QFont body(QStringLiteral("DejaVu Sans"), 15);
    const QString text = QStringLiteral("Hold the control down while the vehicle moves; lift your finger and it stops at once.");
    for (auto _ : state) {
        for (int step = 0; step <= STEPS; ++step) {
            QImage frame(window, QImage::Format_ARGB32_Premultiplied);
            frame.fill(QColor(242, 243, 247));
            QPainter painter(&frame);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.setRenderHint(QPainter::TextAntialiasing);
            painter.scale(scale, scale);
            const double along = pagesAlong(step);
            for (int page = 0; page < PAGES; ++page) {
                const double left = (page - along) * 390;
                if (left <= -390 || left >= 390)
                    continue;
                painter.drawImage(QRectF(left + 31, 229, 328, 214), pictures[page]);
                painter.setFont(title);
                painter.drawText(QRectF(left + 16, 470, 358, 40), Qt::AlignHCenter, QStringLiteral("Tolvane"));
                painter.setFont(body);
                painter.drawText(QRectF(left + 24, 530, 342, 90), Qt::AlignHCenter | Qt::TextWordWrap, text);
            }
            for (int dot = 0; dot < PAGES; ++dot)
                painter.fillRect(QRectF(53 + 42 * dot, 766, 30, 2), dot == static_cast<int>(along + 0.5) ? QColor(47, 128, 237) : QColor(150, 150, 160));
            painter.end();
            benchmark::DoNotOptimize(frame.constBits());
        }
    }
    perFrame(state);
}
BENCHMARK(BM_BareDrag)->Arg(1)->Arg(3)->Unit(benchmark::kMillisecond);

class RatioReporter final : public MedianReporter {
public:
    void Finalize() override
    {
        ConsoleReporter::Finalize();
        for (const char* scale : {"1", "3"}) {
            const std::string drag = std::string("BM_TutorialDrag/") + scale;
            const std::string bare = std::string("BM_BareDrag/") + scale;
            if (has(drag) && has(bare))
                std::printf("%sx: %.2f ms a frame, bare %.2f ms a frame, ratio %.2f\n", scale, median(drag) / (STEPS + 1),
                            median(bare) / (STEPS + 1), median(drag) / median(bare));
        }
    }
};

} // namespace

int main(int argc, char** argv)
{
    return runInterleaved<RatioReporter>(argc, argv);
}
