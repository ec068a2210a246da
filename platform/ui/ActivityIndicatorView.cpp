#include "ui/ActivityIndicatorView.h"

#include "foundation/RunLoop.h"
#include "ui/GraphicsContext.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace ui {
namespace {

constexpr int spokes = 8;
constexpr double turnsPerSecond = 1.0;

double spinnerDiameter(ActivityIndicatorStyle style)
{
    return style == ActivityIndicatorStyle::large ? 37 : 20;
}

} // namespace

ActivityIndicatorView::ActivityIndicatorView(ActivityIndicatorStyle style)
    : View(Rect{0, 0, spinnerDiameter(style), spinnerDiameter(style)}), diameter_(spinnerDiameter(style))
{
    setHidden(true);
}

void ActivityIndicatorView::startAnimating()
{
    if (animating_)
        return;
    animating_ = true;
    start_ = foundation::RunLoop::hasMain() ? foundation::RunLoop::main().clock().now() : 0.0;
    setHidden(false);
    setNeedsDisplay();
}

void ActivityIndicatorView::stopAnimating()
{
    animating_ = false;
    if (hidesWhenStopped_)
        setHidden(true);
    setNeedsDisplay();
}

void ActivityIndicatorView::setHidesWhenStopped(bool hides)
{
    hidesWhenStopped_ = hides;
    setHidden(!animating_ && hides);
}

void ActivityIndicatorView::setColor(const Color& color)
{
    color_ = color;
    setNeedsDisplay();
}

std::optional<double> ActivityIndicatorView::nextContentChange(double now) const
{
    if (!animating_)
        return std::nullopt;
    constexpr double stepsPerSecond = turnsPerSecond * spokes;
    return start_ + (std::floor((now - start_) * stepsPerSecond) + 1) / stepsPerSecond;
}

void ActivityIndicatorView::draw(GraphicsContext& context, const Rect& rect) const
{
    // The spinner keeps its style's size in the middle of a larger view (one laid over a screen).
    const double radius = std::min({rect.width(), rect.height(), diameter_}) * 0.5;
    const int lead = animating_ ? static_cast<int>(std::floor((context.time() - start_) * turnsPerSecond * spokes)) % spokes : 0;
    for (int i = 0; i < spokes; ++i) {
        const double angle = 2 * std::numbers::pi * i / spokes - std::numbers::pi / 2;
        const int age = (lead - i + spokes) % spokes;
        Path spoke;
        spoke.moveTo({rect.midX() + std::cos(angle) * radius * 0.45, rect.midY() + std::sin(angle) * radius * 0.45});
        spoke.lineTo({rect.midX() + std::cos(angle) * radius * 0.95, rect.midY() + std::sin(angle) * radius * 0.95});
        context.setStrokeColor(color_.withAlpha(color_.alpha * (1.0 - 0.1 * age)));
        context.setLineWidth(radius * 0.2);
        context.setLineCap(LineCap::round);
        context.addPath(spoke);
        context.strokePath();
    }
}

} // namespace ui
