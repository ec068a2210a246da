#include "Class/UI/Operating/View/BalloonView.h"

#include "ui/GraphicsContext.h"
#include "ui/Layer.h"

#include <algorithm>

namespace tolvane::app {
namespace {

constexpr double sqrt3 = 1.7320508075688772;

} // namespace

BalloonView::BalloonView(const ui::Rect& frame) : ui::View(frame) {}

void BalloonView::setOrientation(int orientation)
{
    orientaionValue_ = orientation >= 0 && orientation <= 3 ? orientation : 0;
    setNeedsDisplay();
}

void BalloonView::setTriangleRatio(double ratio)
{
    triangleRatioValue_ = std::clamp(ratio, 0.0, 1.0);
    setNeedsDisplay();
}

void BalloonView::setCornerRadiusRatio(double ratio)
{
    cornerRadiusRatioValue_ = std::clamp(ratio, 0.0, 1.0);
    setNeedsDisplay();
}

void BalloonView::setAspect(double aspect)
{
    aspectValue_ = aspect > 0 ? aspect : 1.0;
    setNeedsDisplay();
}

void BalloonView::setPaddingRatio(double ratio)
{
    paddingRatioValue_ = std::clamp(ratio, 0.0, 1.0);
    setNeedsDisplay();
}

ui::Rect BalloonView::balloonRect(const ui::Rect& rect) const
{
    if (contentMode() != ui::ContentMode::scaleAspectFit)
        return rect;
    const double height = std::min(rect.height(), rect.width() * aspectValue_);
    const double width = height / aspectValue_;
    return {(rect.width() - width) * 0.5, (rect.height() - height) * 0.5, width, height};
}

ui::Rect BalloonView::drawBalloon(ui::GraphicsContext* context, const ui::Rect& rect) const
{
    const double x = rect.minX();
    const double y = rect.minY();
    const double w = rect.width();
    const double h = rect.height();
    const bool vertical = orientaionValue_ == 0 || orientaionValue_ == 2;
    const double tail = vertical ? std::min(triangleRatioValue_ * h, w * sqrt3 / 2) : std::min(triangleRatioValue_ * w, h * sqrt3 / 2);
    const double base = 2 * tail / sqrt3;

    ui::Point apex, corner1, corner2;
    ui::Rect body;
    switch (orientaionValue_) {
    case 1:
        apex = {x + w, y + h / 2};
        corner1 = {x + w - tail, y + (h - base) / 2};
        corner2 = {x + w - tail, y + (h + base) / 2};
        body = {x, y, w - tail, h};
        break;
    case 2:
        apex = {x + w / 2, y + h};
        corner1 = {x + (w - base) / 2, y + h - tail};
        corner2 = {x + (w + base) / 2, y + h - tail};
        body = {x, y, w, h - tail};
        break;
    case 3:
        apex = {x, y + h / 2};
        corner1 = {x + tail, y + (h - base) / 2};
        corner2 = {x + tail, y + (h + base) / 2};
        body = {x + tail, y, w - tail, h};
        break;
    default:
        apex = {x + w / 2, y};
        corner1 = {x + (w - base) / 2, y + tail};
        corner2 = {x + (w + base) / 2, y + tail};
        body = {x, y + tail, w, h - tail};
        break;
    }
    if (context) {
        const double radius = cornerRadiusRatioValue_ * std::min(body.width(), body.height()) * 0.5;
        context->beginPath();
        context->addPath(ui::Path::roundedRect(body, radius));
        context->fillPath();
        context->beginPath();
        context->moveTo(corner1);
        context->addLineTo(apex);
        context->addLineTo(corner2);
        context->closePath();
        context->fillPath();
    }
    const double padX = paddingRatioValue_ * body.width() * 0.5;
    const double padY = paddingRatioValue_ * body.height() * 0.5;
    return {body.minX() + padX, body.minY() + padY, body.width() - 2 * padX, body.height() - 2 * padY};
}

void BalloonView::applyShadow()
{
    auto& shadowLayer = layer();
    shadowLayer.setShadowOffset({2.0, 2.0});
    shadowLayer.setShadowColor(ui::Color::black());
    shadowLayer.setShadowRadius(smallShadowValue_ ? 1.0 : 4.0);
    shadowLayer.setShadowOpacity(smallShadowValue_ ? 0.1 : 0.4);
}

// Drawing cannot move views here, so the subviews take the content rectangle at layout.
void BalloonView::layoutSubviews()
{
    applyShadow();
    if (!adjustSubviewsValue_)
        return;
    const ui::Rect content = drawBalloon(nullptr, balloonRect(bounds()));
    for (const auto& subview : subviews()) {
        subview->setFrame(content);
        subview->layoutIfNeeded();
    }
}

void BalloonView::draw(ui::GraphicsContext& context, const ui::Rect& rect) const
{
    context.setFillColor(tintColor());
    drawBalloon(&context, balloonRect(rect));
}

} // namespace tolvane::app
