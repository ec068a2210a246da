#include "ui/ImageView.h"

#include "foundation/RunLoop.h"
#include "ui/GraphicsContext.h"

#include <algorithm>

namespace ui {
namespace {

Rect placed(const Size& image, const Rect& area, ContentMode mode)
{
    switch (mode) {
    case ContentMode::scaleToFill: return area;
    case ContentMode::scaleAspectFit:
    case ContentMode::scaleAspectFill: {
        if (image.width <= 0 || image.height <= 0)
            return area;
        const double sx = area.width() / image.width;
        const double sy = area.height() / image.height;
        const double scale = mode == ContentMode::scaleAspectFit ? std::min(sx, sy) : std::max(sx, sy);
        const Size size{image.width * scale, image.height * scale};
        return {area.midX() - size.width * 0.5, area.midY() - size.height * 0.5, size.width, size.height};
    }
    case ContentMode::center: return {area.midX() - image.width * 0.5, area.midY() - image.height * 0.5, image.width, image.height};
    case ContentMode::top: return {area.midX() - image.width * 0.5, area.minY(), image.width, image.height};
    case ContentMode::bottom: return {area.midX() - image.width * 0.5, area.maxY() - image.height, image.width, image.height};
    case ContentMode::left: return {area.minX(), area.midY() - image.height * 0.5, image.width, image.height};
    case ContentMode::right: return {area.maxX() - image.width, area.midY() - image.height * 0.5, image.width, image.height};
    }
    return area;
}

} // namespace

ImageView::ImageView(const Rect& frame) : View(frame)
{
    setUserInteractionEnabled(false);
}

ImageView::ImageView(std::optional<Image> image) : ImageView(Rect{})
{
    if (image)
        setFrame({Point{}, image->size()});
    setImage(std::move(image));
}

void ImageView::setImage(std::optional<Image> image)
{
    image_ = std::move(image);
    animationStart_ = foundation::RunLoop::hasMain() ? foundation::RunLoop::main().clock().now() : 0.0;
    setNeedsDisplay();
}

Size ImageView::sizeThatFits(const Size&) const
{
    return image_ ? image_->size() : Size{};
}

std::optional<double> ImageView::nextContentChange(double now) const
{
    if (!image_)
        return std::nullopt;
    const auto change = image_->nextFrameChange(now - animationStart_);
    return change ? std::optional(*change + animationStart_) : std::nullopt;
}

void ImageView::draw(GraphicsContext& context, const Rect& rect) const
{
    if (!image_)
        return;
    const double time = context.time();
    context.setTime(time - animationStart_);
    context.drawImage(*image_, placed(image_->size(), rect, contentMode()), tintColor());
    context.setTime(time);
}

} // namespace ui
