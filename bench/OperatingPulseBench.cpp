// The operating screen as the window shows it over time: every sixtieth of a second the slider's
// pulse takes its next step, the damage is found and only that is repainted into the window's
// picture, as the window host does. At rest the waiting pulse runs (three soft discs growing and
// fading); held, the holding pulse breathes. Beside it, in the same run, a bare QPainter pulse of the
// same discs on the same screen: each disc drawn once, then only moved, scaled and faded over a
// picture of the rest of the screen. Reports the CPU time a frame, of the whole process as Qt fills
// large areas on threads of its own, and the ratio to the bare pulse; the aim is within 1.3x.

#include "OperatingStage.h"

#include "Class/UI/Operating/View/Animation/BeforeAnimationView.h"
#include "Class/UI/Operating/View/Animation/GradientLayer.h"
#include "Class/UI/Operating/View/Animation/HoldingAnimationView.h"

#include "ui/DamageTracker.h"
#include "ui/QtColor.h"

#include <QPainter>
#include <QRadialGradient>
#include <QTemporaryDir>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <numbers>

#include "InterleavedRuns.h"

namespace {

using namespace tolvane::app;

constexpr int FRAMES = 120;

template <class Wanted>
Wanted* findView(ui::View& view)
{
    if (auto* wanted = dynamic_cast<Wanted*>(&view))
        return wanted;
    for (const auto& subview : view.subviews())
        if (auto* found = findView<Wanted>(*subview))
            return found;
    return nullptr;
}

// Paints what changed into a kept picture of the window each time the window asks for an update.
class DamagePainter {
public:
    DamagePainter(ui::Window& window, double scale)
        : window_(window), scale_(scale), picture_(static_cast<int>(390 * scale), static_cast<int>(844 * scale), QImage::Format_RGB32)
    {
        window_.setUpdateHandler([this] { showChanges(); });
        showChanges();
    }
    ~DamagePainter() { window_.setUpdateHandler({}); }

private:
    void showChanges()
    {
        window_.layoutIfNeeded();
        const double now = foundation::RunLoop::main().clock().now();
        const ui::DamageTracker::Frame frame = damage_.advance(window_.layer(), now);
        if (frame.damage.isEmpty())
            return;
        QPainter painter(&picture_);
        painter.scale(scale_, scale_);
        painter.setClipRegion(frame.damage);
        painter.fillRect(QRectF(0, 0, 390, 844), Qt::black);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform | QPainter::TextAntialiasing);
        ui::LayerRenderer(now).renderContents(window_.layer(), painter);
        benchmark::DoNotOptimize(picture_.constBits());
    }

    ui::Window& window_;
    double scale_;
    QImage picture_;
    ui::DamageTracker damage_;
};

void runScreen(benchmark::State& state, bool held)
{
    QTemporaryDir data;
    setenv("TOLVANE_DATA_DIR", data.path().toUtf8().constData(), 1);
    OperatingStage stage;
    if (held)
        stage.holdSlider();
    DamagePainter painter(*stage.window, static_cast<double>(state.range(0)));
    for (auto _ : state)
        for (int frame = 0; frame < FRAMES; ++frame)
            stage.time.advance(OperatingStage::FRAME_SECONDS);
}

void BM_OperatingAtRest(benchmark::State& state)
{
    runScreen(state, false);
}
BENCHMARK(BM_OperatingAtRest)->Arg(1)->Arg(3)->MeasureProcessCPUTime()->Unit(benchmark::kMillisecond);

void BM_OperatingHeld(benchmark::State& state)
{
    runScreen(state, true);
}
BENCHMARK(BM_OperatingHeld)->Arg(1)->Arg(3)->MeasureProcessCPUTime()->Unit(benchmark::kMillisecond);

// One soft disc, drawn once at the largest size it takes: the screen's radial blend of two
// translucent blues.
QImage softDisc(double radius, double scale)
{
    const int side = static_cast<int>(std::ceil(2 * radius * scale));
    QImage disc(side, side, QImage::Format_ARGB32_Premultiplied);
    disc.fill(Qt::transparent);
    QPainter painter(&disc);
    painter.setRenderHint(QPainter::Antialiasing);
    const GradientLayer colours;
    QRadialGradient blend(side / 2.0, side / 2.0, side * std::numbers::sqrt2 / 2);
    blend.setColorAt(0, ui::toQColor(colours.uiColors[0]));
    blend.setColorAt(1, ui::toQColor(colours.uiColors[1]));
    painter.setPen(Qt::NoPen);
    painter.setBrush(blend);
    painter.drawEllipse(QRectF(0, 0, side, side));
    return disc;
}

// The pulse written straight with QPainter over a picture of the rest of the screen, with the
// screen's own timing: the waiting discs grow for a second and fade for half a second; the holding
// disc grows and shrinks over two seconds.
class BarePulse {
public:
    BarePulse(OperatingStage& stage, bool held, double scale) : held_(held), scale_(scale)
    {
        ui::View& pulse = held ? static_cast<ui::View&>(*findView<HoldingAnimationView>(*stage.window))
                               : static_cast<ui::View&>(*findView<BeforeAnimationView>(*stage.window));
        const ui::Rect frame = pulse.convert(pulse.bounds(), nullptr);
        centre_ = QPointF(frame.midX(), frame.midY());
        maxRadius_ = held ? findView<HoldingAnimationView>(*stage.window)->maxRadius : BeforeAnimationView::maxRadiusL;
        pulse.setHidden(true);
        stage.window->layoutIfNeeded();
        screen_ = ui::LayerRenderer(stage.time.now()).renderView(*stage.window, scale).convertToFormat(QImage::Format_RGB32);
        pulse.setHidden(false);
        disc_ = softDisc(maxRadius_, scale);
        picture_ = screen_.copy();
    }

    void step()
    {
        time_ += OperatingStage::FRAME_SECONDS;
        QRectF changed = shown_;
        shown_ = QRectF();
        QPainter painter(&picture_);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.scale(scale_, scale_);
        const auto place = [&](double radius) {
            const QRectF at(centre_.x() - radius, centre_.y() - radius, 2 * radius, 2 * radius);
            shown_ = shown_.united(at);
            return at;
        };
        double alpha = 1;
        std::vector<QRectF> discs;
        if (held_) {
            const double t = std::fmod(time_, 2.0);
            const double ratio = t <= 1 ? t : 2 - t;
            const double min = HoldingAnimationView::minRadius;
            discs.push_back(place((maxRadius_ + min) / 2 - std::cos(std::numbers::pi * ratio) * (maxRadius_ - min) / 2));
        } else {
            const double t = std::fmod(time_, 1.5);
            alpha = t <= 1 ? 1 : 2 * (1.5 - t);
            const double inner = std::sin(std::numbers::pi / 2 * t / 1.5);
            const double outer = std::sin(std::numbers::pi / 2 * inner * inner);
            for (double radius : {BeforeAnimationView::maxRadiusL, BeforeAnimationView::maxRadiusM, BeforeAnimationView::maxRadiusS})
                discs.push_back(place(radius * outer * outer));
        }
        changed = changed.united(shown_).adjusted(-1, -1, 1, 1);
        painter.setClipRect(changed);
        painter.drawImage(changed, screen_, QRectF(changed.topLeft() * scale_, changed.size() * scale_));
        painter.setOpacity(alpha);
        for (const QRectF& at : discs)
            painter.drawImage(at, disc_);
        painter.end();
        benchmark::DoNotOptimize(picture_.constBits());
    }

private:
    bool held_;
    double scale_;
    QPointF centre_;
    double maxRadius_ = 0;
    QImage screen_;
    QImage disc_;
    QImage picture_;
    QRectF shown_;
    double time_ = 0;
};

void runBare(benchmark::State& state, bool held)
{
    QTemporaryDir data;
    setenv("TOLVANE_DATA_DIR", data.path().toUtf8().constData(), 1);
    OperatingStage stage;
    if (held)
        stage.holdSlider();
    BarePulse pulse(stage, held, static_cast<double>(state.range(0)));
    for (auto _ : state)
        for (int frame = 0; frame < FRAMES; ++frame)
            pulse.step();
}

void BM_BarePulseAtRest(benchmark::State& state)
{
    runBare(state, false);
}
BENCHMARK(BM_BarePulseAtRest)->Arg(1)->Arg(3)->MeasureProcessCPUTime()->Unit(benchmark::kMillisecond);

void BM_BarePulseHeld(benchmark::State& state)
{
    runBare(state, true);
}
BENCHMARK(BM_BarePulseHeld)->Arg(1)->Arg(3)->MeasureProcessCPUTime()->Unit(benchmark::kMillisecond);

// The medians of CPU time, a frame.
class RatioReporter final : public MedianReporter {
public:
    void Finalize() override
    {
        ConsoleReporter::Finalize();
        for (const char* pose : {"AtRest", "Held"})
            for (const char* scale : {"1", "3"}) {
                const std::string screen = std::string("BM_Operating") + pose + "/" + scale + "/process_time";
                const std::string bare = std::string("BM_BarePulse") + pose + "/" + scale + "/process_time";
                if (has(screen) && has(bare))
                    std::printf("%s %sx: %.3f ms CPU a frame, bare pulse %.3f ms, ratio %.2f\n", pose, scale, cpuMedian(screen) / FRAMES,
                                cpuMedian(bare) / FRAMES, cpuMedian(screen) / cpuMedian(bare));
            }
    }
};

} // namespace

int main(int argc, char** argv)
{
    return runInterleaved<RatioReporter>(argc, argv);
}
