#include "foundation/VirtualTime.h"
#include "ui/Layer.h"
#include "ui/View.h"
#include "ui/ViewAnimation.h"

#include <gtest/gtest.h>

namespace {

TEST(ViewSizeAnimationTest, ANewSizeInsideAnAnimationIsShownGrowing)
{
    foundation::VirtualTime time;
    time.mainLoop();
    auto bar = std::make_shared<ui::View>(ui::Rect{10, 20, 40, 100});
    const double start = time.now();
    ui::ViewAnimation::animate(1.0, 0, {.curve = ui::TimingFunction::linear}, [&] { bar->setFrame({10, 20, 40, 300}); });
    // The model takes the new size at once; the picture follows over the duration.
    EXPECT_EQ(bar->frame().height(), 300);
    EXPECT_DOUBLE_EQ(bar->layer().presentationBounds(start + 0.5).height(), 200);
    EXPECT_DOUBLE_EQ(bar->layer().presentationBounds(start + 0.5).width(), 40);
    time.advance(1.0);
    EXPECT_DOUBLE_EQ(bar->layer().presentationBounds(time.now()).height(), 300);

    // Outside an animation block the size jumps.
    bar->setBounds({0, 0, 40, 50});
    EXPECT_DOUBLE_EQ(bar->layer().presentationBounds(time.now()).height(), 50);
}

} // namespace
