#include "Class/UI/Operating/View/CircularProgressBarView.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

using tolvane::app::CircularProgressBarView;

// A 200-point square: line width 7.1, outer radius 96.45, inner radius 89.35, centre (100, 100).
const ui::Rect square{0, 0, 200, 200};

TEST(CircularProgressBarViewTest, DrawsTheArcFromTheTopClockwise)
{
    struct Case {
        const char* name;
        double value;
        double maxValue;
        ui::Rect bounds; // of the progress shape
    };
    const Case cases[]{
        // Only the two rounded caps at the top: a dot as wide as the line.
        {"nothing done", 0, 10, {96.45, 3.55, 7.1, 7.1}},
        {"a quarter", 25, 100, {96.45, 3.55, 100.0, 100.0}},
        {"all done", 10, 10, {3.55, 3.55, 192.9, 192.9}},
        // More than the maximum stops at the full ring.
        {"past the end", 12, 10, {3.55, 3.55, 192.9, 192.9}},
    };
    for (const Case& c : cases) {
        CircularProgressBarView view(square);
        view.value = c.value;
        view.maxValue = c.maxValue;
        const auto shapes = view.shapes(square);
        ASSERT_TRUE(shapes.progress) << c.name;
        const ui::Rect box = shapes.progress->boundingBox();
        EXPECT_NEAR(box.minX(), c.bounds.minX(), 0.01) << c.name;
        EXPECT_NEAR(box.minY(), c.bounds.minY(), 0.01) << c.name;
        EXPECT_NEAR(box.width(), c.bounds.width(), 0.01) << c.name;
        EXPECT_NEAR(box.height(), c.bounds.height(), 0.01) << c.name;
    }
}

TEST(CircularProgressBarViewTest, WithoutAMaximumOrAFiniteAngleOnlyTheBaseRingIsDrawn)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    for (auto [value, maxValue] : {std::pair{0.0, 0.0}, {5.0, 0.0}, {nan, 10.0}, {inf, 10.0}, {1.0, -5.0}}) {
        CircularProgressBarView view(square);
        view.value = value;
        view.maxValue = maxValue;
        const auto shapes = view.shapes(square);
        EXPECT_FALSE(shapes.progress) << value << " of " << maxValue;
        const ui::Rect ring = shapes.baseRing.boundingBox();
        EXPECT_NEAR(ring.width(), 192.9, 0.01);
        // The ring is hollow: its centre is not filled, a point on the band is.
        EXPECT_FALSE(shapes.baseRing.contains({100, 100}));
        EXPECT_TRUE(shapes.baseRing.contains({100, 100 - 92.9}));
    }
}

} // namespace
