#include "ui/View.h"
#include "ui/Window.h"

#include <gtest/gtest.h>

#include <numbers>

namespace {

using ui::AffineTransform;
using ui::Point;
using ui::Rect;
using ui::View;

TEST(ViewGeometryTest, FrameBoundsAndCentreFollowEachOther)
{
    View view(Rect{10, 20, 100, 50});
    EXPECT_EQ(view.center(), (Point{60, 45}));
    EXPECT_EQ(view.bounds(), (Rect{0, 0, 100, 50}));

    view.setCenter({0, 0});
    EXPECT_EQ(view.frame(), (Rect{-50, -25, 100, 50}));

    view.setBounds({0, 0, 20, 10});
    EXPECT_EQ(view.frame(), (Rect{-10, -5, 20, 10}));
}

TEST(ViewGeometryTest, ScaleTransformGrowsTheFrameAboutTheCentre)
{
    View view(Rect{0, 0, 20, 20});
    view.setTransform(AffineTransform::scale(3, 3));
    EXPECT_EQ(view.frame(), (Rect{-20, -20, 60, 60}));
    EXPECT_EQ(view.bounds(), (Rect{0, 0, 20, 20}));
}

// A frame set on a transformed view is the box the transformed bounds fill: the bounds take the size
// that the transform grows into it.
TEST(ViewGeometryTest, AFrameSetOnATransformedViewIsTheBoxOfItsTransformedBounds)
{
    struct Case {
        const char* name;
        AffineTransform transform;
        ui::Size bounds;
    };
    const Case cases[] = {
        {"scaled", AffineTransform::scale(3, 3), {130, 281}},
        {"stretched", AffineTransform::scale(2, 0.5), {195, 1686}},
        {"quarter turn", AffineTransform::rotation(std::numbers::pi / 2), {843, 390}},
        {"scaled and moved", AffineTransform{3, 0, 0, 3, 10, -20}, {130, 281}},
    };
    for (const auto& c : cases) {
        View view(Rect{0, 0, 60, 60});
        view.setTransform(c.transform);
        view.setFrame({0, 0, 390, 843});
        const Rect frame = view.frame();
        EXPECT_NEAR(frame.origin.x, 0, 1e-9) << c.name;
        EXPECT_NEAR(frame.origin.y, 0, 1e-9) << c.name;
        EXPECT_NEAR(frame.size.width, 390, 1e-9) << c.name;
        EXPECT_NEAR(frame.size.height, 843, 1e-9) << c.name;
        EXPECT_NEAR(view.bounds().size.width, c.bounds.width, 1e-9) << c.name;
        EXPECT_NEAR(view.bounds().size.height, c.bounds.height, 1e-9) << c.name;
    }
}

TEST(ViewGeometryTest, PointsAndRectsConvertBetweenViewsAndTheWindow)
{
    auto window = std::make_shared<ui::Window>(Rect{0, 0, 390, 844});
    auto card = std::make_shared<View>(Rect{50, 100, 200, 200});
    auto button = std::make_shared<View>(Rect{10, 20, 30, 40});
    auto other = std::make_shared<View>(Rect{5, 5, 10, 10});
    window->addSubview(card);
    card->addSubview(button);
    window->addSubview(other);

    EXPECT_EQ(button->convert(Point{1, 2}, nullptr), (Point{61, 122}));
    EXPECT_EQ(button->convert(Point{1, 2}, other.get()), (Point{56, 117}));
    EXPECT_EQ(button->convertFrom(Point{61, 122}, nullptr), (Point{1, 2}));
    EXPECT_EQ(card->convert(button->frame(), nullptr), (Rect{60, 120, 30, 40}));
    EXPECT_EQ(other->convertFrom(Rect{0, 0, 30, 40}, button.get()), (Rect{55, 115, 30, 40}));
}

TEST(ViewGeometryTest, BoundsOriginShiftsTheSubviewsAsAScrollOffsetDoes)
{
    auto window = std::make_shared<ui::Window>(Rect{0, 0, 390, 844});
    auto scroller = std::make_shared<View>(Rect{0, 100, 390, 300});
    auto row = std::make_shared<View>(Rect{0, 200, 390, 44});
    window->addSubview(scroller);
    scroller->addSubview(row);
    scroller->setBounds({0, 150, 390, 300});

    EXPECT_EQ(row->convert(Point{0, 0}, nullptr), (Point{0, 150}));
}

TEST(ViewGeometryTest, ConversionGoesThroughTransforms)
{
    auto window = std::make_shared<ui::Window>(Rect{0, 0, 390, 844});
    auto scaled = std::make_shared<View>(Rect{100, 100, 20, 20});
    window->addSubview(scaled);
    scaled->setTransform(AffineTransform::scale(2, 2));

    EXPECT_EQ(scaled->convert(Point{0, 0}, nullptr), (Point{90, 90}));
    EXPECT_EQ(scaled->convertFrom(Point{130, 130}, nullptr), (Point{20, 20}));
}

TEST(ViewGeometryTest, TreeKnowsItsWindowAndOrder)
{
    auto window = std::make_shared<ui::Window>(Rect{0, 0, 390, 844});
    auto a = std::make_shared<View>();
    auto b = std::make_shared<View>();
    auto child = std::make_shared<View>();
    a->addSubview(child);
    EXPECT_EQ(child->window(), nullptr);

    window->addSubview(a);
    window->addSubview(b);
    EXPECT_EQ(child->window(), window.get());
    EXPECT_TRUE(child->isDescendant(window.get()));

    window->bringSubviewToFront(a.get());
    EXPECT_EQ(window->subviews().back(), a);
    window->sendSubviewToBack(a.get());
    EXPECT_EQ(window->subviews().front(), a);

    b->addSubview(child);
    EXPECT_TRUE(a->subviews().empty());
    EXPECT_EQ(child->superview(), b.get());

    child->removeFromSuperview();
    EXPECT_EQ(child->superview(), nullptr);
    EXPECT_EQ(child->window(), nullptr);
}

TEST(ViewGeometryTest, TintIsInheritedFromTheNearestView)
{
    auto outer = std::make_shared<View>();
    auto inner = std::make_shared<View>();
    outer->addSubview(inner);
    outer->setTintColor(ui::Color::rgb255(66, 129, 255));
    EXPECT_EQ(inner->tintColor(), ui::Color::rgb255(66, 129, 255));
}

TEST(ColorTest, ComponentsFrom0To255AreClampedButAlphaIsNot)
{
    struct Case {
        int component;
        double expected;
    };
    for (const auto& c : {Case{-1, 0.0}, Case{0, 0.0}, Case{255, 1.0}, Case{256, 1.0}, Case{54, 54 / 255.0}})
        EXPECT_DOUBLE_EQ(ui::Color::rgb255(c.component, 0, 0).red, c.expected) << c.component;
    const auto color = ui::Color::rgb255(300, -5, 255, 0.5);
    EXPECT_EQ(color, (ui::Color{1.0, 0.0, 1.0, 0.5}));
    EXPECT_NEAR(ui::Color::rgb255(54, 116, 186).green, 0.4549, 1e-4);
}

} // namespace
