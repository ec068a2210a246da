#include "Class/UI/Base/View/ButtonAttributes.h"
#include "Class/UI/Base/View/GifImage.h"
#include "Class/UI/Base/View/LabelAttributes.h"

#include "foundation/VirtualTime.h"
#include "ui/Button.h"
#include "ui/GifBytes.h"
#include "ui/ImageView.h"
#include "ui/Label.h"
#include "ui/Layer.h"
#include "ui/ScreenMetrics.h"

#include <gtest/gtest.h>

namespace {

using tolvane::app::ButtonAttributes;
using tolvane::app::GifImage;
using tolvane::app::LabelAttributes;

class SharedExtensionsTest : public ::testing::Test {
protected:
    void TearDown() override { ui::ScreenMetrics::shared().resetToDefaults(); }
};

TEST_F(SharedExtensionsTest, GifFramesRepeatByTheirDelaysOverTheGreatestCommonDivisor)
{
    struct Case {
        const char* name;
        std::vector<std::optional<int>> storedHundredths;
        std::vector<long> delaysMs;
        size_t entries;
        double duration;
    };
    const std::vector<Case> cases{
        {"100, 200, 100 ms", {10, 20, 10}, {100, 200, 100}, 4, 0.4},
        {"70 and 30 ms", {7, 3}, {70, 30}, 10, 0.1},
        {"one frame without timing", {std::nullopt}, {1000}, 1, 1.0},
        {"stored 0 takes the clamped 100 ms", {0}, {100}, 1, 0.1},
        {"no frames", {}, {}, 0, 0.0},
    };
    for (const auto& c : cases) {
        const auto data = uitest::gifWithDelays(c.storedHundredths);
        EXPECT_EQ(GifImage::frameDelays(data), c.delaysMs) << c.name;
        ui::ImageView view;
        GifImage::setGifImage(view, data);
        ASSERT_TRUE(view.image().has_value()) << c.name;
        EXPECT_EQ(c.entries == 0 ? 0u : view.image()->frames().size(), c.entries) << c.name;
        EXPECT_DOUBLE_EQ(view.image()->duration(), c.duration) << c.name;
    }
}

TEST_F(SharedExtensionsTest, DataThatIsNoImageClearsTheView)
{
    ui::ImageView view(ui::Image(QImage(2, 2, QImage::Format_ARGB32_Premultiplied)));
    GifImage::setGifImage(view, {'n', 'o', 'p', 'e'});
    EXPECT_FALSE(view.image().has_value());
}

TEST_F(SharedExtensionsTest, FontsCornersAndBordersScaleWithTheScreenHeight)
{
    struct Case {
        double height;
        double font17;
        double border2;
    };
    for (const auto& c : {Case{926, 17, 2.0}, Case{844, 15, 2.0 * 844 / 926}}) {
        ui::ScreenMetrics::shared().setScreenSize({390, c.height});
        ui::Label label(ui::Rect{0, 0, 100, 40});
        label.setFont(ui::Font::systemFont(17));
        LabelAttributes::setAdjustFontSize(label, true);
        EXPECT_EQ(label.font().pointSize(), c.font17) << c.height;
        LabelAttributes::setAdjustFontSize(label, false);
        EXPECT_EQ(label.font().pointSize(), c.font17) << "false changes nothing";
        LabelAttributes::setCornerRadiusPercent(label, 0.25);
        EXPECT_DOUBLE_EQ(label.layer().cornerRadius(), c.height / 926 * 40 * 0.25);
        EXPECT_TRUE(label.clipsToBounds());

        ui::Button button(ui::Rect{0, 0, 200, 50});
        ButtonAttributes::setBorderWidth(button, 2);
        EXPECT_DOUBLE_EQ(button.layer().borderWidth(), c.border2);
        ButtonAttributes::setCornerRadius(button, false);
        EXPECT_EQ(button.layer().cornerRadius(), 0);
        ButtonAttributes::setCornerRadius(button, true);
        EXPECT_DOUBLE_EQ(button.layer().cornerRadius(), c.height / 926 * 25);
    }
}

TEST_F(SharedExtensionsTest, ShadowAppliesWhateverTheValueAndKeepAspectFills)
{
    ui::Button button;
    ButtonAttributes::setShadow(button, false);
    EXPECT_EQ(button.layer().shadowOpacity(), 0.15);
    EXPECT_EQ(button.layer().shadowRadius(), 10.0);
    EXPECT_EQ(button.layer().shadowOffset(), (ui::Size{0, 10}));
    EXPECT_FALSE(button.layer().masksToBounds());

    ButtonAttributes::setKeepAspect(button, false);
    EXPECT_EQ(button.contentHorizontalAlignment(), ui::ContentAlignment::center);
    ButtonAttributes::setKeepAspect(button, true);
    EXPECT_EQ(button.imageView().contentMode(), ui::ContentMode::scaleAspectFit);
    EXPECT_EQ(button.contentVerticalAlignment(), ui::ContentAlignment::fill);
}

TEST_F(SharedExtensionsTest, DisabledBackgroundBecomesATintedTemplate)
{
    ui::Button plain;
    ButtonAttributes::applyCornerAndShadow(plain);
    EXPECT_FALSE(plain.backgroundImage(ui::ControlState::disabled).has_value());

    ui::Button button;
    button.setBackgroundImage(ui::Image(QImage(4, 4, QImage::Format_ARGB32_Premultiplied)), ui::ControlState::disabled);
    ButtonAttributes::applyCornerAndShadow(button);
    EXPECT_EQ(button.backgroundImage(ui::ControlState::disabled)->renderingMode(), ui::ImageRenderingMode::alwaysTemplate);
    EXPECT_EQ(button.imageView().tintColor(), ui::Color::rgb255(66, 129, 255));
}

TEST_F(SharedExtensionsTest, LabelFromAnInterfaceFileShrinksFromTheNextTurn)
{
    foundation::VirtualTime time;
    time.mainLoop();
    auto label = std::make_shared<ui::Label>();
    LabelAttributes::awakeFromNib(*label);
    EXPECT_FALSE(label->adjustsFontSizeToFitWidth());
    time.runUntilIdle();
    EXPECT_TRUE(label->adjustsFontSizeToFitWidth());
}

} // namespace
