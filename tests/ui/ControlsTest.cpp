#include "GifBytes.h"

#include "foundation/VirtualTime.h"
#include "ui/ActivityIndicatorView.h"
#include "ui/Button.h"
#include "ui/ImageSource.h"
#include "ui/ImageView.h"
#include "ui/Label.h"
#include "ui/LayerRenderer.h"
#include "ui/TouchDriver.h"
#include "ui/Window.h"

#include <gtest/gtest.h>

namespace {

using ui::ControlState;
using ui::Rect;

TEST(LabelTest, SizeToFitWrapsAtItsWidthWhenLinesAreUnlimited)
{
    ui::Label label(Rect{10, 20, 120, 0});
    label.setFont(ui::Font::systemFont(14));
    label.setText("The vehicle stopped because an obstacle was detected");
    label.setNumberOfLines(0);
    label.sizeToFit();
    EXPECT_LE(label.frame().width(), 120);
    EXPECT_GT(label.frame().height(), 2 * ui::Font::systemFont(14).lineHeight());
    EXPECT_EQ(label.frame().origin, (ui::Point{10, 20}));

    label.setNumberOfLines(1);
    label.sizeToFit();
    EXPECT_GT(label.frame().width(), 120) << "one line takes the whole text's width";

    label.setText(std::nullopt);
    label.sizeToFit();
    EXPECT_EQ(label.frame().size, (ui::Size{0, 0}));
}

TEST(LabelTest, TextShrinksToFitItsWidthOnlyWhenAsked)
{
    ui::Label label(Rect{0, 0, 80, 30});
    label.setFont(ui::Font::systemFont(20));
    label.setText("A long title");
    EXPECT_EQ(label.fittedFont(), ui::Font::systemFont(20));
    label.setAdjustsFontSizeToFitWidth(true);
    const ui::Font fitted = label.fittedFont();
    EXPECT_LT(fitted.pointSize(), 20);
    EXPECT_LE(fitted.widthOf("A long title"), 80);
    EXPECT_GT(fitted.withSize(fitted.pointSize() + 1).widthOf("A long title"), 80);
}

TEST(ButtonTest, AnAttributedTitleGoesBeforeThePlainOneAndCarriesItsUnderline)
{
    auto button = std::make_shared<ui::Button>(Rect{0, 0, 200, 40});
    button->setTitle("Plain", ControlState::normal);
    EXPECT_FALSE(button->titleLabel().font().isUnderlined());

    const ui::TextAttributes underline{{ui::AttributedStringKey::underlineStyle, 1}};
    button->setAttributedTitle(ui::AttributedString{"Manual", underline}, ControlState::normal);
    EXPECT_EQ(button->titleLabel().text(), "Manual");
    EXPECT_TRUE(button->titleLabel().font().isUnderlined());
    EXPECT_EQ(button->attributedTitle(ControlState::highlighted)->string, "Manual") << "other states show the normal one";

    button->setAttributedTitle(ui::AttributedString{"Manual", {{ui::AttributedStringKey::underlineStyle, 0}}}, ControlState::normal);
    EXPECT_FALSE(button->titleLabel().font().isUnderlined()) << "style none draws no line";
    button->setAttributedTitle(std::nullopt, ControlState::normal);
    EXPECT_EQ(button->titleLabel().text(), "Plain");
}

TEST(ButtonTest, StatesFallBackToNormalAndTouchUpInsideFires)
{
    foundation::VirtualTime time;
    time.mainLoop();
    auto window = std::make_shared<ui::Window>(Rect{0, 0, 390, 844});
    auto button = std::make_shared<ui::Button>(Rect{100, 100, 120, 48});
    window->addSubview(button);
    button->setTitle("OK", ControlState::normal);
    button->setTitleColor(ui::Color::rgb255(54, 116, 186), ControlState::normal);
    button->setTitle("Wait", ControlState::disabled);
    int taps = 0;
    button->addTarget(ui::ControlEvent::touchUpInside, [&](ui::Control&) { ++taps; });

    EXPECT_EQ(button->title(ControlState::highlighted), "OK");
    EXPECT_EQ(button->titleColor(ControlState::disabled), ui::Color::rgb255(54, 116, 186));
    EXPECT_EQ(button->titleLabel().text(), "OK");

    ui::TouchDriver driver(*window);
    driver.tap({150, 120});
    auto strayed = driver.begin({150, 120});
    driver.move(strayed, {150, 400});
    driver.end(strayed);
    EXPECT_EQ(taps, 1) << "lifting far outside is no tap";

    button->setEnabled(false);
    EXPECT_EQ(button->currentTitle(), "Wait");
    driver.tap({150, 120});
    button->tap();
    EXPECT_EQ(taps, 1);
    button->setEnabled(true);
    button->tap();
    EXPECT_EQ(taps, 2);
}

TEST(ImageViewTest, AnimatedImageShowsEachFrameForItsShareOfTheDuration)
{
    foundation::VirtualTime time;
    time.mainLoop();
    auto frame = [](QRgb color) {
        QImage pixels(1, 1, QImage::Format_ARGB32_Premultiplied);
        pixels.fill(color);
        return ui::Image(pixels);
    };
    const auto animated = ui::Image::animated({frame(0xffff0000), frame(0xff00ff00), frame(0xff0000ff)}, 0.3);
    ui::ImageView view(animated);
    EXPECT_TRUE(view.isAnimating());
    EXPECT_EQ(animated.frameAt(0.05).pixel(0, 0), 0xffff0000u);
    EXPECT_EQ(animated.frameAt(0.15).pixel(0, 0), 0xff00ff00u);
    EXPECT_EQ(animated.frameAt(0.35).pixel(0, 0), 0xffff0000u) << "it repeats";
}

TEST(ActivityIndicatorTest, HiddenWhileStopped)
{
    ui::ActivityIndicatorView indicator;
    EXPECT_TRUE(indicator.isHidden());
    indicator.startAnimating();
    EXPECT_FALSE(indicator.isHidden());
    indicator.stopAnimating();
    EXPECT_TRUE(indicator.isHidden());
    indicator.setHidesWhenStopped(false);
    EXPECT_FALSE(indicator.isHidden());
}

// Laid over a whole screen, the spinner keeps its style's size in the middle.
TEST(ActivityIndicatorTest, ALargerViewDrawsTheSpinnerAtItsStylesSize)
{
    ui::ActivityIndicatorView indicator;
    indicator.setFrame({0, 0, 200, 200});
    indicator.setColor(ui::Color{0, 0, 0, 1});
    indicator.startAnimating();
    const QImage image = ui::LayerRenderer(0).renderView(indicator, 1);
    EXPECT_GT(qAlpha(image.pixel(100, 92)), 0) << "a spoke within the 20-point spinner";
    EXPECT_EQ(qAlpha(image.pixel(100, 80)), 0) << "nothing beyond it";
    EXPECT_EQ(qAlpha(image.pixel(100, 10)), 0) << "nothing near the edge";
}

TEST(ImageSourceTest, GifFramesCarryTheirStoredAndClampedDelays)
{
    const auto source = ui::ImageSource::create(uitest::gifWithDelays({10, 0, 1, std::nullopt, 25}));
    ASSERT_TRUE(source.has_value());
    ASSERT_EQ(source->count(), 5u);
    struct Case {
        size_t frame;
        std::optional<double> unclamped;
        std::optional<double> clamped;
    };
    for (const auto& c : {Case{0, 0.1, 0.1}, Case{1, 0.0, 0.1}, Case{2, 0.01, 0.1}, Case{3, std::nullopt, std::nullopt}, Case{4, 0.25, 0.25}}) {
        const auto properties = source->gifProperties(c.frame);
        ASSERT_TRUE(properties.has_value()) << c.frame;
        EXPECT_EQ(properties->unclampedDelay, c.unclamped) << c.frame;
        EXPECT_EQ(properties->clampedDelay, c.clamped) << c.frame;
        EXPECT_TRUE(source->image(c.frame).has_value()) << c.frame;
    }
    EXPECT_FALSE(ui::ImageSource::create({1, 2, 3}).has_value());
}

} // namespace
