#include "foundation/VirtualTime.h"
#include "ui/BasicAnimation.h"
#include "ui/ShapeLayer.h"

#include <gtest/gtest.h>

namespace {

TEST(ShapeLayerAnimationTest, FillColourAnimatesWithEasingAndStaysAfterTheEndWhenKept)
{
    foundation::VirtualTime time;
    time.mainLoop();
    auto dot = std::make_shared<ui::ShapeLayer>();
    dot->setFillColor({0, 0, 0, 1});
    ui::BasicAnimation focus("fillColor");
    focus.toColor = ui::Color{1, 0.5, 0, 1};
    focus.duration = 0.1;
    focus.timing = ui::TimingFunction::easeOut;
    focus.fillsForwards = true;
    focus.removedOnCompletion = false;
    dot->addAnimation(focus, "focus");
    const double begin = time.now();
    ASSERT_EQ(dot->animationBeginTime("focus"), begin);
    EXPECT_FALSE(dot->animationBeginTime("unfocus"));

    const ui::Color half = dot->presentationColor(ui::AnimatedProperty::fillColor, begin + 0.05);
    const double eased = ui::applyTiming(ui::TimingFunction::easeOut, 0.5);
    EXPECT_GT(eased, 0.5);
    EXPECT_NEAR(half.red, eased, 1e-9);
    EXPECT_NEAR(half.green, 0.5 * eased, 1e-9);
    time.advance(1.0);
    EXPECT_EQ(dot->presentationColor(ui::AnimatedProperty::fillColor, time.now()), (ui::Color{1, 0.5, 0, 1}));
    // The model keeps its own colour.
    EXPECT_EQ(dot->fillColor(), (ui::Color{0, 0, 0, 1}));
}

} // namespace
