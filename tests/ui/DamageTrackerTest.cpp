#include "foundation/VirtualTime.h"
#include "ui/ActivityIndicatorView.h"
#include "ui/BasicAnimation.h"
#include "ui/DamageTracker.h"
#include "ui/ImageView.h"
#include "ui/Layer.h"
#include "ui/Window.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

bool covers(const QRegion& region, const QRegion& area)
{
    return area.subtracted(region).isEmpty();
}

// A window with two plain views far apart; every case changes the first one.
struct Scene {
    Scene()
    {
        time.mainLoop();
        window->addSubview(view);
        window->addSubview(bystander);
        view->setBackgroundColor(ui::Color::rgb255(200, 0, 0));
        bystander->setBackgroundColor(ui::Color::rgb255(0, 0, 200));
    }
    ui::DamageTracker::Frame frame() { return tracker.advance(window->layer(), time.now()); }

    foundation::VirtualTime time;
    std::shared_ptr<ui::Window> window = std::make_shared<ui::Window>(ui::Rect{0, 0, 390, 844});
    std::shared_ptr<ui::View> view = std::make_shared<ui::View>(ui::Rect{20, 20, 50, 50});
    std::shared_ptr<ui::View> bystander = std::make_shared<ui::View>(ui::Rect{300, 700, 50, 50});
    ui::DamageTracker tracker;
};

TEST(DamageTrackerTest, RepaintsWhereSomethingChangedAndNothingElse)
{
    const QRegion oldPlace(20, 20, 50, 50);
    struct Case {
        const char* name;
        std::function<void(Scene&)> change;
        QRegion damaged;
    };
    const Case cases[] = {
        {"moved", [](Scene& s) { s.view->setFrame({100, 300, 50, 50}); }, oldPlace.united(QRect(100, 300, 50, 50))},
        {"recoloured", [](Scene& s) { s.view->setBackgroundColor(ui::Color::rgb255(0, 200, 0)); }, oldPlace},
        {"hidden", [](Scene& s) { s.view->setHidden(true); }, oldPlace},
        {"removed", [](Scene& s) { s.view->removeFromSuperview(); }, oldPlace},
        {"a subview added", [](Scene& s) { s.view->addSubview(std::make_shared<ui::View>(ui::Rect{10, 10, 10, 10})); }, QRegion(30, 30, 10, 10)},
        {"a subview outside it added", [](Scene& s) { s.view->addSubview(std::make_shared<ui::View>(ui::Rect{60, 0, 10, 10})); },
         QRegion(80, 20, 10, 10)},
    };
    for (const Case& c : cases) {
        Scene scene;
        const QRegion first = scene.frame().damage;
        EXPECT_TRUE(covers(first, QRect(20, 20, 50, 50)) && covers(first, QRect(300, 700, 50, 50))) << "the first frame";
        const auto still = scene.frame();
        EXPECT_TRUE(still.damage.isEmpty()) << c.name;
        EXPECT_FALSE(still.nextChange) << c.name;
        c.change(scene);
        const QRegion damage = scene.frame().damage;
        EXPECT_TRUE(covers(damage, c.damaged)) << c.name;
        EXPECT_FALSE(damage.intersects(QRect(300, 700, 50, 50))) << c.name << ": the bystander is repainted";
        EXPECT_TRUE(scene.frame().damage.isEmpty()) << c.name << ": repainted twice";
    }
}

TEST(DamageTrackerTest, AChangeUnderAShadowRepaintsTheWholeShadow)
{
    Scene scene;
    scene.view->layer().setShadowOpacity(0.5);
    scene.view->layer().setShadowRadius(8);
    auto inner = std::make_shared<ui::View>(ui::Rect{0, 0, 10, 10});
    scene.view->addSubview(inner);
    scene.frame();
    inner->setBackgroundColor(ui::Color::rgb255(0, 200, 0));
    EXPECT_TRUE(covers(scene.frame().damage, QRect(20 - 16, 20 - 16, 50 + 32, 50 + 32)));
}

TEST(DamageTrackerTest, ALayerAnimationRepaintsEveryFrameUntilItEnds)
{
    Scene scene;
    scene.frame();
    ui::BasicAnimation fade("opacity");
    fade.fromValue = 1;
    fade.toValue = 0.5;
    fade.duration = 1;
    scene.view->layer().addAnimation(fade, "fade");
    for (int step = 0; step < 9; ++step) {
        const auto frame = scene.frame();
        EXPECT_TRUE(covers(frame.damage, QRect(20, 20, 50, 50))) << step;
        EXPECT_EQ(frame.nextChange, scene.time.now()) << "as soon as the display can show it";
        scene.time.advance(0.1);
    }
    scene.time.advance(0.2);
    EXPECT_TRUE(covers(scene.frame().damage, QRect(20, 20, 50, 50))) << "the last frame";
    const auto after = scene.frame();
    EXPECT_TRUE(after.damage.isEmpty());
    EXPECT_FALSE(after.nextChange);
}

// A GIF holds its first picture for 0.3 s and its second for 0.1 s, as the frames of an animated
// image repeat a picture to hold it: a frame rate of its own, far below the display's.
TEST(DamageTrackerTest, AnAnimatedImageRepaintsOnlyWhenItsPictureChanges)
{
    Scene scene;
    auto picture = [](QRgb colour) {
        QImage pixels(4, 4, QImage::Format_ARGB32_Premultiplied);
        pixels.fill(colour);
        return ui::Image(pixels);
    };
    const ui::Image first = picture(0xffff0000), second = picture(0xff0000ff);
    auto image = std::make_shared<ui::ImageView>(ui::Image::animated({first, first, first, second}, 0.4));
    image->setFrame({100, 100, 40, 40});
    scene.window->addSubview(image);
    const double start = scene.time.now();
    EXPECT_NEAR(*scene.frame().nextChange, start + 0.3, 1e-9);

    int repaints = 0;
    for (int displayFrame = 1; displayFrame <= 117; ++displayFrame) {
        scene.time.advance(1.0 / 60);
        const QRegion damage = scene.frame().damage;
        if (damage.isEmpty())
            continue;
        ++repaints;
        EXPECT_TRUE(covers(damage, QRect(100, 100, 40, 40)));
        EXPECT_LT(damage.boundingRect().width(), 60) << "more than the picture";
    }
    EXPECT_EQ(repaints, 9) << "at 0.3 and 0.4 s into each of the 0.4 s loops in 1.95 s";
}

TEST(DamageTrackerTest, ASpinnerRepaintsWhenItsLeadingSpokeMoves)
{
    Scene scene;
    auto spinner = std::make_shared<ui::ActivityIndicatorView>();
    scene.window->addSubview(spinner);
    EXPECT_FALSE(scene.frame().nextChange) << "stopped";
    spinner->startAnimating();
    EXPECT_NEAR(*scene.frame().nextChange, scene.time.now() + 0.125, 1e-9) << "eight spokes a turn, a turn a second";
    spinner->stopAnimating();
    EXPECT_FALSE(scene.frame().nextChange);
}

} // namespace
