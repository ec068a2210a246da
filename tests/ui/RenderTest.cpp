#include "GoldenImage.h"

#include "ui/Font.h"
#include "ui/GradientLayer.h"
#include "ui/GraphicsContext.h"
#include "ui/LayerRenderer.h"
#include "ui/ShapeLayer.h"
#include "ui/TextLayout.h"
#include "ui/View.h"

#include <gtest/gtest.h>

#include <numbers>

namespace {

using ui::Color;
using ui::Rect;
using ui::View;

QColor pixel(const QImage& image, int x, int y)
{
    return image.pixelColor(x, y);
}

class TextView : public View {
public:
    using View::View;
    void draw(ui::GraphicsContext& context, const Rect& rect) const override
    {
        context.drawText("Park in", rect, ui::Font::systemFont(18, ui::FontWeight::medium), Color::label(), ui::TextAlignment::center);
    }
};

TEST(RenderTest, BackgroundCornersBorderAndClipping)
{
    auto root = std::make_shared<View>(Rect{0, 0, 100, 100});
    root->setBackgroundColor(Color::white(1));
    auto card = std::make_shared<View>(Rect{10, 10, 60, 60});
    card->setBackgroundColor(Color::rgb255(255, 0, 0));
    card->layer().setCornerRadius(20);
    card->layer().setBorderWidth(4);
    card->layer().setBorderColor(Color::rgb255(0, 0, 255));
    auto overflow = std::make_shared<View>(Rect{50, 20, 40, 10});
    overflow->setBackgroundColor(Color::rgb255(0, 255, 0));
    root->addSubview(card);
    card->addSubview(overflow);

    const QImage open = ui::LayerRenderer(0).renderView(*root, 1);
    EXPECT_EQ(pixel(open, 11, 11), QColor(Qt::white)) << "rounded corner";
    EXPECT_EQ(pixel(open, 40, 40), QColor(Qt::red));
    EXPECT_EQ(pixel(open, 40, 11), QColor(Qt::blue)) << "border";
    EXPECT_EQ(pixel(open, 85, 35), QColor(Qt::green)) << "a subview draws outside its superview";

    card->setClipsToBounds(true);
    const QImage clipped = ui::LayerRenderer(0).renderView(*root, 1);
    EXPECT_EQ(pixel(clipped, 85, 35), QColor(Qt::white));
    EXPECT_EQ(pixel(clipped, 60, 35), QColor(Qt::green)) << "inside the card it still shows";
}

TEST(RenderTest, HiddenAndTransparentViewsAreNotDrawnAndAlphaBlends)
{
    auto root = std::make_shared<View>(Rect{0, 0, 30, 10});
    root->setBackgroundColor(Color::white(1));
    const std::vector<std::pair<Rect, std::function<void(View&)>>> boxes{
        {{0, 0, 10, 10}, [](View& v) { v.setHidden(true); }},
        {{10, 0, 10, 10}, [](View& v) { v.setAlpha(0); }},
        {{20, 0, 10, 10}, [](View& v) { v.setAlpha(0.5); }},
    };
    for (const auto& [frame, change] : boxes) {
        auto box = std::make_shared<View>(frame);
        box->setBackgroundColor(Color::black());
        change(*box);
        root->addSubview(box);
    }
    const QImage image = ui::LayerRenderer(0).renderView(*root, 1);
    EXPECT_EQ(pixel(image, 5, 5), QColor(Qt::white));
    EXPECT_EQ(pixel(image, 15, 5), QColor(Qt::white));
    EXPECT_NEAR(pixel(image, 25, 5).red(), 128, 2);
}

TEST(RenderTest, ShadowFallsBelowTheCardByItsOffset)
{
    auto root = std::make_shared<View>(Rect{0, 0, 100, 100});
    root->setBackgroundColor(Color::white(1));
    auto card = std::make_shared<View>(Rect{20, 20, 60, 40});
    card->setBackgroundColor(Color::white(1));
    card->layer().setShadowOpacity(0.5);
    card->layer().setShadowRadius(4);
    card->layer().setShadowOffset({0, 10});
    root->addSubview(card);
    const QImage image = ui::LayerRenderer(0).renderView(*root, 1);
    EXPECT_LT(pixel(image, 50, 65).red(), 200) << "under the card";
    EXPECT_EQ(pixel(image, 50, 15), QColor(Qt::white)) << "nothing above it";
    EXPECT_EQ(pixel(image, 50, 40), QColor(Qt::white)) << "the card covers its own shadow";
}

// The shadow is kept between frames; whatever it is made from must still show at once.
TEST(RenderTest, AKeptShadowFollowsEveryChangeOfWhatCastsIt)
{
    const auto scene = [](double shadowOpacity, Rect cardFrame, Color cardColor) {
        auto root = std::make_shared<View>(Rect{0, 0, 100, 100});
        root->setBackgroundColor(Color::white(1));
        auto card = std::make_shared<View>(cardFrame);
        card->setBackgroundColor(cardColor);
        card->layer().setShadowOpacity(shadowOpacity);
        card->layer().setShadowRadius(4);
        card->layer().setShadowOffset({0, 10});
        root->addSubview(card);
        return std::make_pair(root, card);
    };
    auto [root, card] = scene(0.5, Rect{20, 20, 60, 40}, Color::white(1));
    const ui::LayerRenderer renderer(0);
    for (const double scale : {1.0, 3.0})
        EXPECT_EQ(renderer.renderView(*root, scale), renderer.renderView(*scene(0.5, Rect{20, 20, 60, 40}, Color::white(1)).first, scale));

    card->setFrame(Rect{10, 10, 40, 20});
    EXPECT_EQ(renderer.renderView(*root, 1), renderer.renderView(*scene(0.5, Rect{10, 10, 40, 20}, Color::white(1)).first, 1))
        << "a moved and smaller card";
    card->layer().setShadowOpacity(0.9);
    EXPECT_EQ(renderer.renderView(*root, 1), renderer.renderView(*scene(0.9, Rect{10, 10, 40, 20}, Color::white(1)).first, 1))
        << "a darker shadow";
    card->setBackgroundColor(Color::rgb255(0, 0, 0, 0.5));
    EXPECT_EQ(renderer.renderView(*root, 1),
              renderer.renderView(*scene(0.9, Rect{10, 10, 40, 20}, Color::rgb255(0, 0, 0, 0.5)).first, 1))
        << "a half transparent card casts a lighter shadow";
}

// A shadowed card whose content did not change is shown from what was kept, without drawing it
// again; a change anywhere inside it, however deep, shows at once.
TEST(RenderTest, AShadowedCardIsDrawnAgainOnlyWhenSomethingInItChanged)
{
    class CountedView : public View {
    public:
        using View::View;
        void draw(ui::GraphicsContext&, const Rect&) const override { ++draws; }
        mutable int draws = 0;
    };
    const auto scene = [](Color inner) {
        auto root = std::make_shared<View>(Rect{0, 0, 100, 100});
        root->setBackgroundColor(Color::white(1));
        auto card = std::make_shared<View>(Rect{20, 20, 60, 40});
        card->setBackgroundColor(Color::white(1));
        card->layer().setShadowOpacity(0.5);
        card->layer().setShadowRadius(4);
        auto box = std::make_shared<View>(Rect{5, 5, 30, 20});
        auto counted = std::make_shared<CountedView>(Rect{2, 2, 10, 10});
        counted->setBackgroundColor(inner);
        box->addSubview(counted);
        card->addSubview(box);
        root->addSubview(card);
        return std::make_pair(root, counted);
    };
    auto [root, counted] = scene(Color::rgb255(0, 0, 255));
    const ui::LayerRenderer renderer(0);
    const QImage first = renderer.renderView(*root, 1);
    EXPECT_EQ(renderer.renderView(*root, 1), first);
    EXPECT_EQ(counted->draws, 1) << "an unchanged card is not drawn again";
    renderer.renderView(*root, 3);
    EXPECT_EQ(counted->draws, 2) << "another scale draws it anew";

    counted->setBackgroundColor(Color::rgb255(255, 0, 0));
    EXPECT_EQ(renderer.renderView(*root, 1), renderer.renderView(*scene(Color::rgb255(255, 0, 0)).first, 1));
    EXPECT_EQ(counted->draws, 3);
}

TEST(RenderTest, GradientAndPartlyStrokedShape)
{
    auto root = std::make_shared<View>(Rect{0, 0, 100, 100});
    auto gradient = std::make_shared<ui::GradientLayer>();
    gradient->setFrame({0, 0, 100, 50});
    gradient->setColors({Color::black(), Color::white(1)});
    root->layer().addSublayer(gradient);
    auto shape = std::make_shared<ui::ShapeLayer>();
    shape->setFrame({0, 50, 100, 50});
    ui::Path line;
    line.moveTo({0, 25});
    line.lineTo({100, 25});
    shape->setPath(line);
    shape->setFillColor(Color::clear());
    shape->setStrokeColor(Color::rgb255(255, 0, 0));
    shape->setLineWidth(10);
    shape->setStrokeEnd(0.5);
    root->layer().addSublayer(shape);

    const QImage image = ui::LayerRenderer(0).renderView(*root, 1);
    EXPECT_LT(pixel(image, 50, 1).red(), 10);
    EXPECT_GT(pixel(image, 50, 48).red(), 245);
    EXPECT_EQ(pixel(image, 20, 75), QColor(Qt::red));
    EXPECT_EQ(pixel(image, 80, 75).alpha(), 0) << "the second half is not stroked";
}

TEST(PathTest, ArcsRunClockwiseThroughIncreasingAngles)
{
    ui::Path quarter;
    quarter.addArc({0, 0}, 10, 0, std::numbers::pi / 2, true);
    const Rect box = quarter.boundingBox();
    EXPECT_NEAR(box.x(), 0, 1e-6);
    EXPECT_NEAR(box.y(), 0, 1e-6);
    EXPECT_NEAR(box.maxX(), 10, 1e-6);
    EXPECT_NEAR(box.maxY(), 10, 1e-6);

    ui::Path longWay;
    longWay.addArc({0, 0}, 10, 0, std::numbers::pi / 2, false);
    EXPECT_NEAR(longWay.boundingBox().y(), -10, 1e-6) << "counter-clockwise goes over the top";
}

TEST(TextLayoutTest, WrapsAtTheWidthAndCutsAtTheLineLimit)
{
    const auto font = ui::Font::systemFont(14);
    const std::string text = "The vehicle stopped because an obstacle was detected near the rear bumper";
    const ui::TextLayout oneLine(text, font, ui::TextLayout::unlimitedWidth, 0);
    const ui::TextLayout wrapped(text, font, 120, 0);
    const ui::TextLayout limited(text, font, 120, 2);

    EXPECT_EQ(oneLine.lines().size(), 1u);
    EXPECT_GT(wrapped.lines().size(), 3u);
    for (const auto& line : wrapped.lines())
        EXPECT_LE(line.width, 120.0);
    EXPECT_EQ(limited.lines().size(), 2u);
    EXPECT_TRUE(limited.lines().back().text.endsWith(QChar(0x2026)));
    EXPECT_DOUBLE_EQ(wrapped.size().height, std::ceil(font.lineHeight() * static_cast<double>(wrapped.lines().size())));
    EXPECT_EQ(ui::TextLayout("", font, 100, 0).size(), (ui::Size{0, 0}));
    EXPECT_EQ(ui::TextLayout("a\n\nb", font, 100, 0).lines().size(), 3u);
}

TEST(RenderTest, ComposedSceneMatchesTheStoredImage)
{
    auto root = std::make_shared<View>(Rect{0, 0, 200, 160});
    auto gradient = std::make_shared<ui::GradientLayer>();
    gradient->setFrame({0, 0, 200, 160});
    gradient->setColors({Color::rgb255(54, 116, 186), Color::rgb255(242, 242, 242)});
    root->layer().addSublayer(gradient);
    auto card = std::make_shared<TextView>(Rect{30, 30, 140, 60});
    card->setBackgroundColor(Color::rgb255(242, 242, 242));
    card->layer().setCornerRadius(10);
    card->layer().setShadowOpacity(0.15);
    card->layer().setShadowRadius(10);
    card->layer().setShadowOffset({0, 10});
    root->addSubview(card);
    auto ring = std::make_shared<ui::ShapeLayer>();
    ring->setFrame({80, 110, 40, 40});
    ui::Path circle;
    circle.addArc({20, 20}, 16, -std::numbers::pi / 2, std::numbers::pi, true);
    ring->setPath(circle);
    ring->setFillColor(Color::clear());
    ring->setStrokeColor(Color::rgb255(66, 129, 255));
    ring->setLineWidth(4);
    ring->setLineCap(ui::LineCap::round);
    root->layer().addSublayer(ring);

    EXPECT_TRUE(uitest::matchesGolden(ui::LayerRenderer(0).renderView(*root, 2), "composed-scene"));
}

} // namespace
