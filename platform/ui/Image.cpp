#include "ui/Image.h"

#include <QBuffer>
#include <QFile>
#include <QPainter>
#include <QSvgRenderer>

#include <algorithm>
#include <cmath>

namespace ui {
namespace {

constexpr double svgScale = 3.0;

bool looksLikeSvg(const QByteArray& bytes)
{
    return bytes.left(512).contains("<svg");
}

} // namespace

Image::Image(QImage pixels, double scale) : frames_{std::move(pixels)}, scale_(scale > 0 ? scale : 1.0) {}

Image Image::animated(const std::vector<Image>& frames, double duration)
{
    Image image;
    for (const auto& frame : frames)
        image.frames_.push_back(frame.pixels());
    if (image.frames_.empty())
        image.frames_.push_back(QImage());
    image.scale_ = frames.empty() ? 1.0 : frames.front().scale_;
    image.duration_ = duration;
    return image;
}

std::optional<Image> Image::fromData(const foundation::Bytes& data)
{
    return fromData(data, std::nullopt);
}

std::optional<Image> Image::fromData(const foundation::Bytes& data, std::optional<Size> vectorSize)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data.data()), static_cast<qsizetype>(data.size()));
    if (looksLikeSvg(bytes)) {
        QSvgRenderer renderer(bytes);
        if (!renderer.isValid())
            return std::nullopt;
        const QSizeF points = vectorSize ? QSizeF(vectorSize->width, vectorSize->height) : QSizeF(renderer.defaultSize());
        QImage pixels(QSize(static_cast<int>(points.width() * svgScale), static_cast<int>(points.height() * svgScale)),
                      QImage::Format_ARGB32_Premultiplied);
        pixels.fill(Qt::transparent);
        QPainter painter(&pixels);
        renderer.render(&painter);
        painter.end();
        return Image(pixels, svgScale);
    }
    QImage pixels;
    if (!pixels.loadFromData(bytes))
        return std::nullopt;
    return Image(pixels.convertToFormat(QImage::Format_ARGB32_Premultiplied));
}

std::optional<Image> Image::fromFile(const std::string& path)
{
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    return fromData(foundation::Bytes(bytes.begin(), bytes.end()));
}

Size Image::size() const
{
    const QImage& first = frames_.front();
    return {first.width() / scale_, first.height() / scale_};
}

size_t Image::frameIndexAt(double elapsed) const
{
    if (frames_.size() < 2 || duration_ <= 0)
        return 0;
    const double perFrame = duration_ / static_cast<double>(frames_.size());
    const auto index = static_cast<size_t>(std::floor(std::fmod(std::max(elapsed, 0.0), duration_) / perFrame));
    return std::min(index, frames_.size() - 1);
}

const QImage& Image::frameAt(double elapsed) const
{
    return frames_[frameIndexAt(elapsed)];
}

std::optional<double> Image::nextFrameChange(double elapsed) const
{
    if (frames_.size() < 2 || duration_ <= 0)
        return std::nullopt;
    const size_t count = frames_.size();
    const double perFrame = duration_ / static_cast<double>(count);
    const double loopStart = std::floor(std::max(elapsed, 0.0) / duration_) * duration_;
    const size_t shown = frameIndexAt(elapsed);
    // Copies of one picture share their pixels, and with them their cache key.
    const qint64 picture = frames_[shown].cacheKey();
    for (size_t step = 1; step <= count; ++step) {
        const size_t index = shown + step;
        if (frames_[index % count].cacheKey() != picture)
            return std::max(loopStart + static_cast<double>(index) * perFrame, elapsed);
    }
    return std::nullopt;
}

Image Image::withRenderingMode(ImageRenderingMode mode) const
{
    Image copy = *this;
    copy.renderingMode_ = mode;
    return copy;
}

Image Image::adjustingBrightness(double amount) const
{
    Image copy = *this;
    const int offset = static_cast<int>(std::lround(amount * 255.0));
    auto raise = [offset](int channel) { return std::clamp(channel + offset, 0, 255); };
    for (auto& frame : copy.frames_) {
        // Straight colours, so a half-transparent edge brightens like the solid part.
        QImage pixels = frame.convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < pixels.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(pixels.scanLine(y));
            for (int x = 0; x < pixels.width(); ++x)
                line[x] = qRgba(raise(qRed(line[x])), raise(qGreen(line[x])), raise(qBlue(line[x])), qAlpha(line[x]));
        }
        frame = std::move(pixels);
    }
    return copy;
}

Image Image::resized(const Size& size) const
{
    Image copy = *this;
    const QSize pixelSize(std::max(1, static_cast<int>(std::lround(size.width * scale_))),
                          std::max(1, static_cast<int>(std::lround(size.height * scale_))));
    for (auto& frame : copy.frames_)
        frame = frame.scaled(pixelSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return copy;
}

foundation::Bytes Image::pngData() const
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    frames_.front().save(&buffer, "PNG");
    return foundation::Bytes(bytes.begin(), bytes.end());
}

} // namespace ui
