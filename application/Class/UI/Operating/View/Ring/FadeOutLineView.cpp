#include "Class/UI/Operating/View/Ring/FadeOutLineView.h"

#include "ui/GraphicsContext.h"

namespace tolvane::app {
namespace {

ui::Point midpoint(const ui::Point& a, const ui::Point& b)
{
    return {(a.x + b.x) * 0.5, (a.y + b.y) * 0.5};
}

} // namespace

FadeOutLineView::FadeOutLineView(const ui::Rect& frame) : ui::View(frame), trajectoryColor(ui::Color::rgb255(66, 129, 255, 1.0)) {}

void FadeOutLineView::addPoint(const ui::Point& point)
{
    if (!points)
        points.emplace();
    if (points->size() >= trajectoryPointsCount)
        points->erase(points->begin());
    points->push_back(point);
    setNeedsDisplay();
}

std::optional<ui::Path> FadeOutLineView::trailPath() const
{
    if (!points || points->size() < 3)
        return std::nullopt;
    const auto& p = *points;
    const size_t n = p.size();
    ui::Path path;
    path.moveTo(p[0]);
    path.lineTo(p[1]);
    for (size_t i = 1; i + 1 < n; ++i) {
        path.lineTo(midpoint(p[i - 1], p[i]));
        path.quadTo(p[i], midpoint(p[i], p[i + 1]));
    }
    path.lineTo(p[n - 2]);
    path.lineTo(p[n - 1]);
    return path;
}

void FadeOutLineView::draw(ui::GraphicsContext& context, const ui::Rect&) const
{
    const auto path = trailPath();
    if (!path)
        return;
    context.saveState();
    context.setLineWidth(trajectoryLineWidth);
    context.setLineCap(ui::LineCap::round);
    context.setLineJoin(ui::LineJoin::round);
    context.beginPath();
    context.addPath(*path);
    context.replacePathWithStrokedPath();
    context.clip();
    context.drawLinearGradient({trajectoryColor.withAlpha(0.0), trajectoryColor.withAlpha(0.4)}, {0.3, 0.7}, points->front(),
                               points->back());
    context.restoreState();
}

} // namespace tolvane::app
