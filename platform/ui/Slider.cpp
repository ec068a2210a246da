#include "ui/Slider.h"

#include "ui/GraphicsContext.h"
#include "ui/Touch.h"

#include <algorithm>

namespace ui {
namespace {

constexpr double thumbSize = 28;
constexpr double imageGap = 8;
// A disabled slider shows its value in grey, so it plainly takes no finger.
const Color disabledColor = Color::rgb255(199, 199, 204);

} // namespace

Slider::Slider(const Rect& frame) : Control(frame) {}

void Slider::setValue(float value, bool)
{
    value_ = std::clamp(value, minimum_, maximum_);
    setNeedsDisplay();
}

void Slider::setMinimumValue(float value)
{
    minimum_ = value;
    maximum_ = std::max(maximum_, value);
    setValue(value_);
}

void Slider::setMaximumValue(float value)
{
    maximum_ = value;
    minimum_ = std::min(minimum_, value);
    setValue(value_);
}

void Slider::setMinimumValueImage(std::optional<Image> image)
{
    minimumImage_ = std::move(image);
    setNeedsDisplay();
}

void Slider::setMaximumValueImage(std::optional<Image> image)
{
    maximumImage_ = std::move(image);
    setNeedsDisplay();
}

Rect Slider::trackRect() const
{
    Rect track = bounds();
    if (minimumImage_) {
        const double width = minimumImage_->size().width + imageGap;
        track = {track.x() + width, track.y(), track.width() - width, track.height()};
    }
    if (maximumImage_)
        track.size.width -= maximumImage_->size().width + imageGap;
    return track.insetBy(thumbSize * 0.5, 0);
}

void Slider::follow(const TouchSet& touches)
{
    if (touches.empty() || !isEnabled())
        return;
    const Rect track = trackRect();
    const double fraction = track.width() > 0 ? (touches.front()->location(this).x - track.x()) / track.width() : 0;
    const float next = minimum_ + static_cast<float>(std::clamp(fraction, 0.0, 1.0)) * (maximum_ - minimum_);
    if (next == value_)
        return;
    setValue(next);
    sendActions(ControlEvent::valueChanged);
}

void Slider::touchesBegan(const TouchSet& touches, const Event& event)
{
    Control::touchesBegan(touches, event);
    follow(touches);
}

void Slider::touchesMoved(const TouchSet& touches, const Event& event)
{
    Control::touchesMoved(touches, event);
    follow(touches);
}

void Slider::draw(GraphicsContext& context, const Rect& rect) const
{
    const Color accent = isEnabled() ? tintColor() : disabledColor;
    context.saveState();
    if (!isEnabled())
        context.setAlpha(0.4);
    if (minimumImage_) {
        const Size size = minimumImage_->size();
        context.drawImage(*minimumImage_, {rect.x(), rect.midY() - size.height * 0.5, size.width, size.height}, accent);
    }
    if (maximumImage_) {
        const Size size = maximumImage_->size();
        context.drawImage(*maximumImage_, {rect.maxX() - size.width, rect.midY() - size.height * 0.5, size.width, size.height}, accent);
    }
    context.restoreState();
    const Rect track = trackRect();
    const double fraction = maximum_ > minimum_ ? (value_ - minimum_) / (maximum_ - minimum_) : 0;
    const double thumbX = track.x() + track.width() * fraction;
    context.fill(Path::roundedRect({track.x(), track.midY() - 2, track.width(), 4}, 2), Color::rgb255(229, 229, 234));
    context.fill(Path::roundedRect({track.x(), track.midY() - 2, thumbX - track.x(), 4}, 2), accent);
    drawThumb(context, {thumbX - thumbSize * 0.5, track.midY() - thumbSize * 0.5, thumbSize, thumbSize});
}

void Slider::drawThumb(GraphicsContext& context, const Rect& thumb) const
{
    // The white thumb sits on white rows: a soft shadow below it and a hairline edge set it apart.
    for (const double spread : {3.0, 2.0, 1.0, 0.0})
        context.fill(Path::ellipse(thumb.offsetBy(0, 1.5).insetBy(-spread, -spread)), Color::white(0, 0.035));
    context.fill(Path::ellipse(thumb), Color::white(1));
    context.stroke(Path::ellipse(thumb.insetBy(0.25, 0.25)), Color::white(0, isEnabled() ? 0.12 : 0.08), 0.5);
}

} // namespace ui
