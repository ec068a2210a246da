// Renders a full 390 x 844 screen: a gradient background, text, images, a spinner and the custom alert
// with its shadowed card over the dimmed overlay. One frame must stay well under 16 ms on one core
// for 60 frames a second; the plain screen without the alert is the baseline of the same run.

#include "Class/UI/Base/View/CustomAlertController.h"
#include "Class/UI/Base/View/PopupTransition.h"

#include "foundation/VirtualTime.h"
#include "ui/ActivityIndicatorView.h"
#include "ui/GradientLayer.h"
#include "ui/ImageView.h"
#include "ui/Label.h"
#include "ui/Layer.h"
#include "ui/LayerRenderer.h"
#include "ui/Window.h"

#include <QPainter>

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

struct Scene {
    foundation::VirtualTime time;
    std::shared_ptr<ui::Window> window;
    std::shared_ptr<ui::ViewController> screen = std::make_shared<ui::ViewController>();
    std::shared_ptr<tolvane::app::PopupTransition> transition = std::make_shared<tolvane::app::PopupTransition>();

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
        title->setText("Park in");
        title->setFont(ui::Font::systemFont(28, ui::FontWeight::medium));
        root.addSubview(title);
        auto guidance = std::make_shared<ui::Label>(ui::Rect{20, 130, 350, 120});
        guidance->setNumberOfLines(0);
        guidance->setText("Hold the slider while the vehicle parks. Lift your finger at any time to stop the vehicle at once.");
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
            auto alert = std::make_shared<tolvane::app::CustomAlertController>(
                "Connection failed", "The vehicle unit did not answer. Check that it is on and near the phone.",
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

void renderFrame(benchmark::State& state, bool withAlert)
{
    Scene scene(withAlert);
    const ui::LayerRenderer renderer(scene.time.now());
    for (auto _ : state) {
        QImage frame = renderer.renderView(*scene.window, 1.0);
        benchmark::DoNotOptimize(frame.constBits());
    }
}

void BM_ScreenWithoutAlert(benchmark::State& state)
{
    renderFrame(state, false);
}

void BM_ScreenWithShadowedAlert(benchmark::State& state)
{
    renderFrame(state, true);
}

BENCHMARK(BM_ScreenWithoutAlert)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScreenWithShadowedAlert)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
