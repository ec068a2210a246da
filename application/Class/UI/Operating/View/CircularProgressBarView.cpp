#include "Class/UI/Operating/View/CircularProgressBarView.h"

#include "ui/GraphicsContext.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tolvane::app {
namespace {

using std::numbers::pi;

} // namespace

CircularProgressBarView::CircularProgressBarView(const ui::Rect& frame)
    : ui::View(frame), progressColor(ui::Color::rgb255(0, 122, 255)), progressBaseVolor(ui::Color::rgb255(142, 142, 147))
{
}

CircularProgressBarView::Shapes CircularProgressBarView::shapes(const ui::Rect& rect) const
{
    const double side = std::min(rect.width(), rect.height());
    const double lineWidth = side * 0.0355;
    const double halfWidth = lineWidth / 2;
    const double outer = side * 0.5 - halfWidth;
    const double inner = outer - lineWidth;
    const ui::Point c = rect.center();

    Shapes shapes;
    shapes.baseRing.addArc(c, outer, 0, 2 * pi, true);
    shapes.baseRing.lineTo({c.x + inner, c.y});
    shapes.baseRing.addArc(c, inner, 2 * pi, 0, false);
    shapes.baseRing.lineTo({c.x + outer, c.y});

    // The screen shows 0 of 0 each time it appears: with no maximum there is no angle to draw, and a
    // NaN in a path would spoil the whole picture.
    const double angle = value * 2 * pi / maxValue;
    if (!(maxValue > 0) || !std::isfinite(angle))
        return shapes;
    const double a = std::clamp(angle, 0.0, 2 * pi);
    ui::Path progress;
    progress.addArc(c, outer, -pi / 2, a - pi / 2, true);
    progress.addArc({c.x + (outer - halfWidth) * std::sin(a), c.y - (outer - halfWidth) * std::cos(a)}, halfWidth, a - pi / 2,
                    a + pi / 2, true);
    progress.addArc(c, inner, a - pi / 2, -pi / 2, false);
    progress.addArc({c.x, c.y - (outer - halfWidth)}, halfWidth, pi / 2, -pi / 2, true);
    shapes.progress = progress;
    return shapes;
}

void CircularProgressBarView::draw(ui::GraphicsContext& context, const ui::Rect& rect) const
{
    const Shapes drawn = shapes(rect);
    context.fill(drawn.baseRing, progressBaseVolor);
    if (drawn.progress)
        context.fill(*drawn.progress, progressColor);
}

} // namespace tolvane::app
