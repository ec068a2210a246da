#include "ui/PlacedImageCache.h"

#include <QPainter>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <optional>
#include <ostream>
#include <string>

namespace {

// A small picture with hard edges, soft alpha and colour, so scaling and tinting both show.
QImage picture()
{
    QImage image(7, 5, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qPremultiply(qRgba(30 * x, 200 - 40 * y, (x * y * 23) % 256, 255 - 30 * ((x + y) % 5))));
    return image;
}

QImage canvas()
{
    QImage image(60, 40, QImage::Format_ARGB32_Premultiplied);
    image.fill(QColor(90, 140, 60));
    return image;
}

int largestDifference(const QImage& a, const QImage& b)
{
    int largest = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            largest = std::max({largest, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)), std::abs(qBlue(p) - qBlue(q)),
                                std::abs(qAlpha(p) - qAlpha(q))});
        }
    return largest;
}

struct Placement {
    const char* name;
    double scale;
    QRectF target;
    double opacity;
    std::optional<ui::Color> tint;
    // Device pixels per point of the canvas itself, as on a high-density screen.
    double pixelRatio = 1;
    // Drawn through a left-right mirror, as a view with a flipping transform is.
    bool mirrored = false;
};

void PrintTo(const Placement& placement, std::ostream* out) { *out << placement.name; }

class PlacedImageDrawing : public ::testing::TestWithParam<Placement> {};

TEST_P(PlacedImageDrawing, LooksAsDrawingStraightOntoTheDevice)
{
    const Placement& placement = GetParam();
    const QImage source = picture();
    const auto start = [&](QImage& image) {
        image.setDevicePixelRatio(placement.pixelRatio);
        auto painter = std::make_unique<QPainter>(&image);
        painter->setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
        if (placement.mirrored) {
            painter->translate(image.width() / placement.pixelRatio, 0);
            painter->scale(-1, 1);
        }
        painter->scale(placement.scale, placement.scale);
        painter->setOpacity(placement.opacity);
        return painter;
    };
    QImage cached = canvas();
    ui::drawPlacedImage(*start(cached), source, placement.tint, placement.target);
    QImage straight = canvas();
    {
        QImage drawn = source;
        if (placement.tint) {
            QPainter tinting(&drawn);
            tinting.setCompositionMode(QPainter::CompositionMode_SourceIn);
            tinting.fillRect(drawn.rect(), QColor::fromRgbF(static_cast<float>(placement.tint->red), static_cast<float>(placement.tint->green),
                                                            static_cast<float>(placement.tint->blue), static_cast<float>(placement.tint->alpha)));
        }
        start(straight)->drawImage(placement.target, drawn);
    }
    // Rounding in the copy's own pixels may move a channel by one step.
    EXPECT_LE(largestDifference(cached, straight), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Placements, PlacedImageDrawing,
    ::testing::Values(Placement{"natural_size_on_whole_pixels", 1, {10, 12, 7, 5}, 1, {}},
                      Placement{"enlarged_between_pixels", 1, {3.3, 4.6, 31.5, 22.25}, 1, {}},
                      Placement{"shrunk_between_pixels", 1, {20.4, 2.7, 4.2, 3.1}, 1, {}},
                      Placement{"three_device_pixels_a_point", 3, {1.1, 2.2, 9.5, 6.8}, 1, {}},
                      Placement{"half_transparent", 1, {3.3, 4.6, 31.5, 22.25}, 0.5, {}},
                      Placement{"tinted", 1, {5.5, 1.25, 21, 15}, 1, ui::Color{0.2, 0.4, 0.9, 1}},
                      Placement{"tinted_half_transparent", 3, {1.1, 2.2, 9.5, 6.8}, 0.5, ui::Color{0.9, 0.1, 0.3, 0.8}},
                      Placement{"high_density_canvas", 1, {2.3, 1.6, 15.5, 11.25}, 1, {}, 2},
                      Placement{"mirrored", 1, {3.3, 4.6, 31.5, 22.25}, 1, {}, 1, true},
                      Placement{"mirrored_and_tinted", 3, {1.1, 2.2, 9.5, 6.8}, 1, ui::Color{0.2, 0.4, 0.9, 1}, 1, true}),
    [](const ::testing::TestParamInfo<Placement>& info) { return std::string(info.param.name); });

TEST(PlacedImageCache, DrawsAPictureAgainOnlyWhenItsPlaceWithinAPixelItsSizeOrItsTintChanges)
{
    ui::PlacedImageCache cache;
    const QImage source = picture();
    const QPainter::RenderHints hints = QPainter::Antialiasing | QPainter::SmoothPixmapTransform;
    const auto first = cache.placed(source, std::nullopt, {3.25, 4.5, 14, 10}, hints);
    EXPECT_EQ(first.origin, QPoint(3, 4));
    EXPECT_EQ(first.pixels.size(), QSize(15, 11));

    const auto again = cache.placed(source, std::nullopt, {3.25, 4.5, 14, 10}, hints);
    EXPECT_EQ(again.pixels.cacheKey(), first.pixels.cacheKey());
    const auto movedByWholePixels = cache.placed(source, std::nullopt, {13.25, 2.5, 14, 10}, hints);
    EXPECT_EQ(movedByWholePixels.pixels.cacheKey(), first.pixels.cacheKey());
    EXPECT_EQ(movedByWholePixels.origin, QPoint(13, 2));

    const auto resized = cache.placed(source, std::nullopt, {3.25, 4.5, 16, 10}, hints);
    EXPECT_NE(resized.pixels.cacheKey(), first.pixels.cacheKey());
    EXPECT_EQ(resized.pixels.size(), QSize(17, 11));
    const auto movedWithinAPixel = cache.placed(source, std::nullopt, {3.75, 4.5, 14, 10}, hints);
    EXPECT_NE(movedWithinAPixel.pixels.cacheKey(), first.pixels.cacheKey());
    const auto tinted = cache.placed(source, ui::Color{1, 0, 0, 1}, {3.25, 4.5, 14, 10}, hints);
    EXPECT_NE(tinted.pixels.cacheKey(), first.pixels.cacheKey());
    const auto otherTint = cache.placed(source, ui::Color{0, 0, 1, 1}, {3.25, 4.5, 14, 10}, hints);
    EXPECT_NE(otherTint.pixels.cacheKey(), tinted.pixels.cacheKey());

    QImage changed = source;
    changed.setPixel(0, 0, qRgba(0, 0, 0, 0));
    const auto ofChangedPixels = cache.placed(changed, std::nullopt, {3.25, 4.5, 14, 10}, hints);
    EXPECT_NE(ofChangedPixels.pixels.cacheKey(), first.pixels.cacheKey());
}

} // namespace
