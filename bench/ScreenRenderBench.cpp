// Renders a full 390 x 844 screen: a gradient background, text, images, a spinner and the custom alert
// with its shadowed card over the dimmed overlay, at 1x and 3x. One frame must stay well under 16 ms
// on one core for 60 frames a second (aim: under 8 ms at 3x with the alert). Each run also draws the
// same content with bare QPainter calls that blur the shadow once, and reports the view layer's
// time as a ratio to it ("bare_ms", "ratio").

#include "Class/UI/Base/View/CustomAlertController.h"
#include "Class/UI/Base/View/PopupTransition.h"

#include "foundation/VirtualTime.h"
#include "ui/ActivityIndicatorView.h"
#include "ui/GradientLayer.h"
#include "ui/ImageView.h"
#include "ui/Label.h"
#include "ui/Layer.h"
#include "ui/LayerRenderer.h"
#include "ui/ShadowCache.h"
#include "ui/Window.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>

#include <chrono>

#include <benchmark/benchmark.h>

namespace {

ui::Image carPicture()
{
    QImage pixels(300, 200, QImage::Format_ARGB32_Premultiplied);
    pixels.fill(Qt::transparent);
    QPainter painter(&pixels);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(QColor(54, 116, 186));
    painter.drawRoundedRect(QRectF(20, 60, 260, 90), 30, 30);
    painter.setBrush(Qt::black);
    painter.drawEllipse(QRectF(50, 120, 60, 60));
    painter.drawEllipse(QRectF(190, 120, 60, 60));
    return ui::Image(pixels, 2);
}

const char* const TITLE = "Park in";
const char* const GUIDANCE = "Hold the slider while the vehicle parks. Lift your finger at any time to stop the vehicle at once.";
const char* const ALERT_TITLE = "Connection failed";
const char* const ALERT_MESSAGE = "The vehicle unit did not answer. Check that it is on and near the phone.";

struct Scene {
    foundation::VirtualTime time;
    std::shared_ptr<ui::Window> window;
    std::shared_ptr<ui::ViewController> screen = std::make_shared<ui::ViewController>();
    std::shared_ptr<tolvane::app::PopupTransition> transition = std::make_shared<tolvane::app::PopupTransition>();
    std::shared_ptr<tolvane::app::CustomAlertController> alert;

    explicit Scene(bool withAlert)
    {
        time.mainLoop();
        window = std::make_shared<ui::Window>();
        window->setRootViewController(screen);
        window->makeKeyAndVisible();
        ui::View& root = screen->view();
        auto gradient = std::make_shared<ui::GradientLayer>();
        gradient->setFrame(root.bounds());
        gradient->setColors({ui::Color::rgb255(245, 245, 245), ui::Color::rgb255(200, 215, 235)});
        root.layer().addSublayer(gradient);
        auto title = std::make_shared<ui::Label>(ui::Rect{20, 80, 350, 40});
        title->setText(TITLE);
        title->setFont(ui::Font::systemFont(28, ui::FontWeight::medium));
        root.addSubview(title);
        auto guidance = std::make_shared<ui::Label>(ui::Rect{20, 130, 350, 120});
        guidance->setNumberOfLines(0);
        guidance->setText(GUIDANCE);
        guidance->setFont(ui::Font::systemFont(17));
        root.addSubview(guidance);
        for (int i = 0; i < 3; ++i) {
            auto car = std::make_shared<ui::ImageView>(ui::Rect{20.0 + 120 * i, 300, 110, 80});
            car->setContentMode(ui::ContentMode::scaleAspectFit);
            car->setImage(carPicture());
            root.addSubview(car);
        }
        auto spinner = std::make_shared<ui::ActivityIndicatorView>(ui::ActivityIndicatorStyle::large);
        spinner->setCenter({195, 700});
        spinner->startAnimating();
        root.addSubview(spinner);
        if (withAlert) {
            alert = std::make_shared<tolvane::app::CustomAlertController>(ALERT_TITLE, ALERT_MESSAGE,
                                                                           tolvane::app::CustomAlertControlerStyle::alert);
            alert->addAction(std::make_shared<tolvane::app::CustomAlertAction>("Retry", tolvane::app::CustomAlertControllerAction::defaultAction, nullptr));
            alert->addAction(std::make_shared<tolvane::app::CustomAlertAction>("End", tolvane::app::CustomAlertControllerAction::cancel, nullptr));
            alert->setModalPresentationStyle(ui::ModalPresentationStyle::custom);
            alert->setTransitioningDelegate(transition);
            screen->present(alert, true);
            time.advance(0.5);
            alert->view().layer().setShadowOpacity(0.15);
            alert->view().layer().setShadowRadius(10);
            alert->view().layer().setShadowOffset({0, 10});
        }
        time.runUntilIdle();
        window->layoutIfNeeded();
    }
};

// The same screen drawn straight with QPainter: what the view layer costs over plain drawing.
class BareScreen {
public:
    BareScreen(const Scene& scene, double scale) : scale_(scale), car_(carPicture().pixels())
    {
        if (scene.alert) {
            const ui::Rect card = scene.alert->view().convert(scene.alert->view().bounds(), nullptr);
            card_ = QRectF(card.x(), card.y(), card.width(), card.height());
            QImage silhouette(static_cast<int>((card_.width() + 40) * scale), static_cast<int>((card_.height() + 40) * scale),
                              QImage::Format_ARGB32_Premultiplied);
            silhouette.fill(Qt::transparent);
            QPainter painter(&silhouette);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.scale(scale, scale);
            painter.setPen(Qt::NoPen);
            painter.setBrush(Qt::white);
            painter.drawRoundedRect(QRectF(20, 20, card_.width(), card_.height()), 12, 12);
            painter.end();
            ui::ShadowCache blur;
            shadow_ = blur.shadowOf(silhouette, QColor(0, 0, 0, 38), 10 * scale);
        }
    }

    QImage draw() const
    {
        QImage image(static_cast<int>(390 * scale_), static_cast<int>(844 * scale_), QImage::Format_ARGB32_Premultiplied);
        QPainter painter(&image);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform | QPainter::TextAntialiasing);
        painter.scale(scale_, scale_);
        QLinearGradient gradient(0, 0, 0, 844);
        gradient.setColorAt(0, QColor(245, 245, 245));
        gradient.setColorAt(1, QColor(200, 215, 235));
        painter.fillRect(QRectF(0, 0, 390, 844), gradient);
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(28);
        painter.setFont(font);
        painter.drawText(QRectF(20, 80, 350, 40), Qt::AlignLeft | Qt::AlignVCenter, TITLE);
        font.setPixelSize(17);
        painter.setFont(font);
        painter.drawText(QRectF(20, 130, 350, 120), Qt::AlignLeft | Qt::TextWordWrap, GUIDANCE);
        for (int i = 0; i < 3; ++i)
            painter.drawImage(QRectF(20.0 + 120 * i, 300 + 3, 110, 73), car_);
        painter.setPen(QPen(QColor(120, 120, 120), 3, Qt::SolidLine, Qt::RoundCap));
        for (int spoke = 0; spoke < 8; ++spoke) {
            painter.save();
            painter.translate(195, 700);
            painter.rotate(45 * spoke);
            painter.drawLine(QPointF(0, 8), QPointF(0, 17));
            painter.restore();
        }
        if (!card_.isEmpty()) {
            painter.fillRect(QRectF(0, 0, 390, 844), QColor(0, 0, 0, 102));
            painter.drawImage(QRectF(card_.x() - 20, card_.y() - 10, card_.width() + 40, card_.height() + 40), shadow_);
            painter.setPen(Qt::NoPen);
            painter.setBrush(Qt::white);
            painter.drawRoundedRect(card_, 12, 12);
            painter.setPen(Qt::black);
            painter.drawText(card_.adjusted(16, 16, -16, 0), Qt::AlignHCenter | Qt::AlignTop, ALERT_TITLE);
            painter.drawText(card_.adjusted(16, 48, -16, -60), Qt::AlignHCenter | Qt::TextWordWrap, ALERT_MESSAGE);
            painter.drawText(QRectF(card_.x(), card_.bottom() - 50, card_.width() / 2, 50), Qt::AlignCenter, "Retry");
            painter.drawText(QRectF(card_.center().x(), card_.bottom() - 50, card_.width() / 2, 50), Qt::AlignCenter, "End");
        }
        return image;
    }

private:
    double scale_;
    QImage car_;
    QRectF card_;
    QImage shadow_;
};

template <class Draw>
double millisecondsPerFrame(const Draw& draw)
{
    constexpr int FRAMES = 20;
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < FRAMES; ++i) {
        QImage frame = draw();
        benchmark::DoNotOptimize(frame.constBits());
    }
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count() / FRAMES;
}

void renderFrame(benchmark::State& state, bool withAlert)
{
    const double scale = static_cast<double>(state.range(0));
    Scene scene(withAlert);
    const ui::LayerRenderer renderer(scene.time.now());
    const auto layerFrame = [&] { return renderer.renderView(*scene.window, scale); };
    const BareScreen bare(scene, scale);
    for (auto _ : state) {
        QImage frame = layerFrame();
        benchmark::DoNotOptimize(frame.constBits());
    }
    const double bareMs = millisecondsPerFrame([&] { return bare.draw(); });
    state.counters["bare_ms"] = bareMs;
    state.counters["ratio"] = millisecondsPerFrame(layerFrame) / bareMs;
}

void BM_ScreenWithoutAlert(benchmark::State& state)
{
    renderFrame(state, false);
}

void BM_ScreenWithShadowedAlert(benchmark::State& state)
{
    renderFrame(state, true);
}

BENCHMARK(BM_ScreenWithoutAlert)->Arg(1)->Arg(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScreenWithShadowedAlert)->Arg(1)->Arg(3)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
