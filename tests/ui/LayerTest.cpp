#include "foundation/VirtualTime.h"
#include "ui/BasicAnimation.h"
#include "ui/Layer.h"
#include "ui/View.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

namespace {

using ui::Layer;
using ui::Rect;
using ui::View;

TEST(LayerTest, ViewPropertiesAreItsLayers)
{
    View view(Rect{0, 0, 10, 10});
    view.setAlpha(0.3);
    view.setClipsToBounds(true);
    view.setHidden(true);
    view.setBackgroundColor(ui::Color::black());
    EXPECT_DOUBLE_EQ(view.layer().opacity(), 0.3);
    EXPECT_TRUE(view.layer().masksToBounds());
    EXPECT_TRUE(view.layer().isHidden());
    EXPECT_EQ(view.layer().backgroundColor(), ui::Color::black());
    EXPECT_EQ(view.layer().frame(), view.frame());
    EXPECT_EQ(view.layer().view(), &view);
}

TEST(LayerTest, SublayersAndSubviewLayersShareOneOrder)
{
    auto view = std::make_shared<View>();
    auto first = std::make_shared<View>();
    auto second = std::make_shared<View>();
    auto gradient = std::make_shared<Layer>();
    auto ring = std::make_shared<Layer>();
    view->addSubview(first);
    view->addSubview(second);
    view->layer().insertSublayer(gradient, 0);
    view->layer().addSublayer(ring);
    auto middle = std::make_shared<View>();
    view->insertSubview(middle, 1);

    const std::vector<const Layer*> expected{gradient.get(), &first->layer(), &middle->layer(), &second->layer(), ring.get()};
    std::vector<const Layer*> actual;
    for (const auto& layer : view->layer().sublayers())
        actual.push_back(layer.get());
    EXPECT_EQ(actual, expected);

    view->bringSubviewToFront(first.get());
    EXPECT_EQ(view->layer().sublayers().back().get(), &first->layer());
    first->removeFromSuperview();
    EXPECT_EQ(first->layer().superlayer(), nullptr);
    EXPECT_EQ(view->layer().sublayers().size(), 4u);
}

TEST(LayerTest, BasicAnimationRunsOnTheClockAndLeavesTheModelValue)
{
    foundation::VirtualTime time;
    time.mainLoop();
    auto layer = std::make_shared<Layer>();
    std::vector<bool> stops;
    ui::BasicAnimation fade("opacity");
    fade.fromValue = 0.0;
    fade.toValue = 1.0;
    fade.duration = 0.5;
    fade.didStop = [&](bool finished) { stops.push_back(finished); };
    layer->addAnimation(fade, "fade");

    const double start = time.now();
    EXPECT_DOUBLE_EQ(layer->presentationValue(ui::AnimatedProperty::opacity, start), 0.0);
    EXPECT_DOUBLE_EQ(layer->presentationValue(ui::AnimatedProperty::opacity, start + 0.25), 0.5);
    EXPECT_DOUBLE_EQ(layer->opacity(), 1.0);
    time.advance(0.5);
    EXPECT_EQ(stops, (std::vector<bool>{true}));
    EXPECT_TRUE(layer->animationKeys().empty());

    ui::BasicAnimation forever("transform.rotation.z");
    forever.toValue = 6.0;
    forever.repeatCount = std::numeric_limits<double>::infinity();
    forever.didStop = [&](bool finished) { stops.push_back(finished); };
    layer->addAnimation(forever, "spin");
    time.advance(100);
    EXPECT_EQ(layer->animationKeys(), (std::vector<std::string>{"spin"}));
    layer->removeAllAnimations();
    EXPECT_EQ(stops, (std::vector<bool>{true, false}));
}

TEST(LayerTest, AutoreversingAnimationComesBackAndFillsForwardsWhenKept)
{
    foundation::VirtualTime time;
    time.mainLoop();
    auto layer = std::make_shared<Layer>();
    ui::BasicAnimation blink("opacity");
    blink.fromValue = 1.0;
    blink.toValue = 0.0;
    blink.duration = 1.0;
    blink.autoreverses = true;
    layer->addAnimation(blink, "blink");
    const double start = time.now();
    EXPECT_DOUBLE_EQ(layer->presentationValue(ui::AnimatedProperty::opacity, start + 1.5), 0.5);

    ui::BasicAnimation hold("strokeEnd");
    hold.toValue = 0.25;
    hold.fillsForwards = true;
    hold.removedOnCompletion = false;
    hold.duration = 1.0;
    layer->addAnimation(hold, "hold");
    time.advance(5);
    EXPECT_DOUBLE_EQ(layer->presentationValue(ui::AnimatedProperty::strokeEnd, time.now()), 0.25);
}

} // namespace
