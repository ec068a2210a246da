#include "ui/Switch.h"

#include "ui/GraphicsContext.h"
#include "ui/Touch.h"

namespace ui {

Switch::Switch(const Rect& frame) : Control(frame) {}

void Switch::setOn(bool on, bool)
{
    on_ = on;
    setNeedsDisplay();
}

void Switch::setOnTintColor(const Color& color)
{
    onTint_ = color;
    setNeedsDisplay();
}

void Switch::touchesEnded(const TouchSet& touches, const Event& event)
{
    if (isEnabled() && !touches.empty() && bounds().contains(touches.front()->location(this))) {
        setOn(!on_, true);
        sendActions(ControlEvent::valueChanged);
    }
    Control::touchesEnded(touches, event);
}

void Switch::draw(GraphicsContext& context, const Rect& rect) const
{
    const double radius = rect.height() * 0.5;
    context.fill(Path::roundedRect(rect, radius), on_ ? onTint_ : Color::rgb255(233, 233, 234));
    const double knob = rect.height() - 4;
    const double x = on_ ? rect.maxX() - knob - 2 : rect.minX() + 2;
    context.fill(Path::ellipse({x, rect.minY() + 2, knob, knob}), Color::white(1));
}

} // namespace ui
