#include "ui/Image.h"

#include <QImage>

#include <gtest/gtest.h>

namespace {

TEST(ImageBrightnessTest, EachColourChannelRisesByTheAmountAndAlphaIsKept)
{
    QImage pixels(2, 1, QImage::Format_ARGB32);
    pixels.setPixel(0, 0, qRgba(30, 42, 200, 255));
    pixels.setPixel(1, 0, qRgba(0, 0, 0, 128));
    const ui::Image lighter = ui::Image(pixels, 2.0).adjustingBrightness(0.5);

    const QImage result = lighter.pixels().convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(result.pixel(0, 0), qRgba(158, 170, 255, 255)) << "+128 each, clamped at 255";
    EXPECT_EQ(qAlpha(result.pixel(1, 0)), 128);
    EXPECT_EQ(qRed(result.pixel(1, 0)), 128) << "a half-transparent pixel brightens like a solid one";
    EXPECT_EQ(lighter.scale(), 2.0);
    EXPECT_EQ(lighter.size().width, 1.0);
}

} // namespace
