#include "ui/ImageFilePicker.h"
#include "ui/LayerRenderer.h"
#include "ui/Slider.h"
#include "ui/Switch.h"
#include "ui/TextField.h"
#include "ui/TouchDriver.h"
#include "ui/Window.h"

#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using ui::Rect;

TEST(SwitchTest, TapFlipsItAndReportsTheChange)
{
    auto window = std::make_shared<ui::Window>(Rect{0, 0, 390, 844});
    auto toggle = std::make_shared<ui::Switch>();
    window->addSubview(toggle);
    std::vector<bool> values;
    toggle->addTarget(ui::ControlEvent::valueChanged, [&](ui::Control& c) { values.push_back(static_cast<ui::Switch&>(c).isOn()); });
    toggle->setOn(true, false);
    EXPECT_TRUE(values.empty()) << "setting it in code sends nothing";
    ui::TouchDriver(*window).tap({10, 10});
    EXPECT_EQ(values, (std::vector<bool>{false}));
}

TEST(SliderTest, FingerSetsTheValueAlongTheTrackAndEachChangeIsSent)
{
    auto window = std::make_shared<ui::Window>(Rect{0, 0, 390, 844});
    auto slider = std::make_shared<ui::Slider>(Rect{0, 100, 228, 40});
    window->addSubview(slider);
    std::vector<float> values;
    slider->addTarget(ui::ControlEvent::valueChanged, [&](ui::Control& c) { values.push_back(static_cast<ui::Slider&>(c).value()); });
    ui::TouchDriver driver(*window);
    auto touch = driver.begin({14, 120});
    driver.move(touch, {114, 120});
    driver.move(touch, {500, 120});
    driver.end(touch);
    EXPECT_EQ(values, (std::vector<float>{0.5f, 1.0f})) << "the first touch at the start changes nothing";

    slider->setValue(3.0f);
    EXPECT_EQ(slider->value(), 1.0f);
    EXPECT_EQ(values.size(), 2u);
}

TEST(SliderTest, TheThumbStandsOutOnAWhiteRowAndADisabledSliderIsGrey)
{
    auto window = std::make_shared<ui::Window>(Rect{0, 0, 240, 40});
    window->setBackgroundColor(ui::Color::white(1));
    auto slider = std::make_shared<ui::Slider>(Rect{0, 0, 228, 40});
    slider->setTintColor(ui::Color::rgb255(66, 129, 255));
    window->addSubview(slider);
    const auto pixel = [&](int x, int y) { return ui::LayerRenderer(0).renderView(*window, 1).pixelColor(x, y); };

    // At the end of the track the thumb's middle is at x 214, y 20, 28 points across.
    slider->setValue(1);
    EXPECT_LT(pixel(214, 6).lightness(), 245) << "an edge at the top of the thumb";
    EXPECT_LT(pixel(214, 36).lightness(), 245) << "a shadow below it";
    EXPECT_EQ(pixel(214, 20), QColor(Qt::white)) << "the thumb itself is white";

    slider->setValue(0.5f);
    const QColor enabled = pixel(60, 20);
    EXPECT_EQ(enabled, QColor(66, 129, 255)) << "the part of the track up to the value, in the tint colour";
    slider->setEnabled(false);
    const QColor disabled = pixel(60, 20);
    EXPECT_LT(std::abs(disabled.red() - disabled.blue()), 10) << "grey, not blue";
    EXPECT_GT(disabled.lightness(), 150);
    EXPECT_FLOAT_EQ(slider->value(), 0.5f) << "and still at its value";
}

TEST(TextFieldTest, CompositionIsPartOfTheTextUntilCommittedAndEveryChangeIsSent)
{
    auto window = std::make_shared<ui::Window>(Rect{0, 0, 390, 844});
    auto field = std::make_shared<ui::TextField>(Rect{20, 100, 300, 40});
    field->setPlaceholder("Vehicle name");
    window->addSubview(field);
    std::vector<std::string> changes;
    field->addTarget(ui::ControlEvent::editingChanged, [&](ui::Control& c) { changes.push_back(static_cast<ui::TextField&>(c).text()); });

    ui::TouchDriver(*window).tap({50, 120});
    EXPECT_TRUE(field->isEditing());
    EXPECT_EQ(window->focusedTextField(), field.get());
    field->insertText("My ");
    field->setMarkedText("く");
    field->setMarkedText("くる");
    EXPECT_EQ(field->text(), "My くる");
    EXPECT_EQ(field->markedText(), "くる");
    field->insertText("車");
    EXPECT_FALSE(field->markedText().has_value());
    field->deleteBackward();
    EXPECT_EQ(changes, (std::vector<std::string>{"My ", "My く", "My くる", "My 車", "My "}));

    window->endEditing(true);
    EXPECT_FALSE(field->isEditing());
    EXPECT_EQ(window->focusedTextField(), nullptr);
}

TEST(ImageFilePickerTest, PickedFileBecomesAnImageAndNoChooserMeansUnavailable)
{
    ui::ImageFilePicker picker;
    EXPECT_FALSE(picker.isAvailable());
    QTemporaryDir dir;
    const QString path = dir.path() + "/car.png";
    QImage(8, 6, QImage::Format_ARGB32).save(path);
    picker.setChooser([path] { return std::optional<std::string>(path.toStdString()); });
    std::optional<ui::Image> picked;
    picker.pick([&](std::optional<ui::Image> image) { picked = std::move(image); });
    ASSERT_TRUE(picked.has_value());
    EXPECT_EQ(picked->size(), (ui::Size{8, 6}));

    picker.setChooser([] { return std::optional<std::string>(); });
    picker.pick([&](std::optional<ui::Image> image) { picked = std::move(image); });
    EXPECT_FALSE(picked.has_value()) << "cancelled";
}

} // namespace
