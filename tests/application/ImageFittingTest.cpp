#include "Class/UI/Base/View/ImageFitting.h"

#include <gtest/gtest.h>

#include <QImage>

namespace {

using tolvane::app::ImageFitting;

TEST(ImageFittingTest, AnImageFillsTheTargetAlongItsTighterSideKeepingItsAspectRatio)
{
    struct Case {
        ui::Size image;
        ui::Size target;
        ui::Size fitted;
    };
    const Case cases[] = {
        {{200, 100}, {100, 100}, {100, 50}},
        {{100, 200}, {100, 100}, {50, 100}},
        {{100, 100}, {50, 100}, {50, 50}},
        {{10, 5}, {80, 40}, {80, 40}},
        // Nothing to keep the ratio of: the image keeps its size.
        {{100, 50}, {0, 0}, {100, 50}},
        {{0, 50}, {100, 100}, {0, 50}},
    };
    for (const auto& c : cases) {
        const ui::Size fitted = ImageFitting::fittedSize(c.image, c.target);
        EXPECT_DOUBLE_EQ(fitted.width, c.fitted.width) << c.image.width << "x" << c.image.height;
        EXPECT_DOUBLE_EQ(fitted.height, c.fitted.height) << c.image.width << "x" << c.image.height;
    }
}

TEST(ImageFittingTest, TheResizedImageIsRedrawnAtTheFittedSize)
{
    QImage pixels(40, 20, QImage::Format_ARGB32);
    pixels.fill(Qt::red);
    const ui::Image image(pixels);
    EXPECT_EQ(ImageFitting::resized(image, {20, 20}).size(), (ui::Size{20, 10}));
    EXPECT_EQ(ImageFitting::resized(image, {0, 20}).size(), (ui::Size{40, 20}));
}

} // namespace
