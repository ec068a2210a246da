#include "ui/LayerRenderer.h"

#include "foundation/RunLoop.h"
#include "ui/GraphicsContext.h"
#include "ui/GuiRuntime.h"
#include "ui/Layer.h"
#include "ui/Path.h"
#include "ui/QtColor.h"
#include "ui/ShadowCache.h"
#include "ui/View.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace ui {
namespace {

QTransform toQt(const AffineTransform& t)
{
    return {t.a, t.b, t.c, t.d, t.tx, t.ty};
}

double deviceScale(const QPainter& painter)
{
    const QTransform& t = painter.deviceTransform();
    return std::max(std::sqrt(std::abs(t.determinant())), 0.01);
}

double mainClockNow()
{
    return foundation::RunLoop::hasMain() ? foundation::RunLoop::main().clock().now() : 0.0;
}

} // namespace

LayerRenderer::LayerRenderer(double time) : time_(time) {}

QRectF LayerRenderer::qtRect(const Rect& rect)
{
    return {rect.x(), rect.y(), rect.width(), rect.height()};
}

LayerRenderer::LayerRenderer() : LayerRenderer(mainClockNow()) {}

QTransform LayerRenderer::geometry(const Layer& layer) const
{
    using enum AnimatedProperty;
    const Rect bounds = layer.presentationBounds(time_);
    AffineTransform transform = layer.view() ? layer.view()->transform() : layer.transform();
    const double scale = layer.presentationValue(transformScale, time_);
    const double rotation = layer.presentationValue(transformRotation, time_);
    if (scale != layer.modelValue(transformScale) || rotation != layer.modelValue(transformRotation))
        transform = AffineTransform::scale(scale, scale).concatenated(AffineTransform::rotation(rotation));
    const Point center{layer.presentationValue(positionX, time_), layer.presentationValue(positionY, time_)};
    return QTransform::fromTranslate(-bounds.midX(), -bounds.midY()) * toQt(transform) * QTransform::fromTranslate(center.x, center.y);
}

QRectF LayerRenderer::contentExtent(const Layer& layer) const
{
    QRectF extent = qtRect(layer.presentationBounds(time_));
    if (layer.masksToBounds())
        return extent;
    for (const auto& sublayer : layer.sublayers())
        if (!sublayer->isHidden())
            extent = extent.united(geometry(*sublayer).mapRect(contentExtent(*sublayer)));
    return extent;
}

void LayerRenderer::render(const Layer& layer, QPainter& painter) const
{
    if (layer.isHidden())
        return;
    const double opacity = layer.presentationValue(AnimatedProperty::opacity, time_);
    if (opacity <= 0)
        return;
    painter.save();
    painter.setWorldTransform(geometry(layer), true);
    const bool shadow = hasShadow(layer);
    if (painter.hasClipping() && !painter.clipBoundingRect().intersects(withShadow(layer, contentExtent(layer)))) {
        painter.restore();
        return;
    }
    if (shadow || layer.mask() || (opacity < 1 && !layer.sublayers().empty()))
        renderGroup(layer, painter, opacity);
    else {
        painter.setOpacity(painter.opacity() * opacity);
        renderContents(layer, painter);
    }
    painter.restore();
}

bool LayerRenderer::hasShadow(const Layer& layer)
{
    return layer.shadowOpacity() > 0 && !layer.shadowColor().isClear();
}

QRectF LayerRenderer::withShadow(const Layer& layer, const QRectF& extent)
{
    if (!hasShadow(layer))
        return extent;
    const double blur = 2 * std::max(layer.shadowRadius(), 0.0);
    const QRectF blurred = extent.adjusted(-blur, -blur, blur, blur);
    return blurred.united(blurred.translated(layer.shadowOffset().width, layer.shadowOffset().height));
}

void LayerRenderer::renderGroup(const Layer& layer, QPainter& painter, double opacity) const
{
    const double scale = deviceScale(painter);
    const bool shadow = hasShadow(layer);
    ShadowCache& kept = layer.shadowCache();
    // A shadowed layer with nothing changed in it since the last frame shows its kept drawing.
    const QImage* content = shadow && !layer.mask() ? kept.content(layer.changeStamp(), scale) : nullptr;
    if (!content) {
        const double blur = shadow ? std::max(layer.shadowRadius(), 0.0) : 0.0;
        const QRectF extent = contentExtent(layer).adjusted(-2 * blur, -2 * blur, 2 * blur, 2 * blur);
        const bool liveAround = live_;
        live_ = false;
        QImage drawn = renderOffscreen(layer, painter.renderHints(), extent, scale);
        const std::uint64_t stamp = live_ ? 0 : layer.changeStamp();
        live_ = live_ || liveAround;
        if (!shadow) {
            painter.setOpacity(painter.opacity() * opacity);
            painter.drawImage(extent, drawn);
            return;
        }
        content = &kept.keep(std::move(drawn), extent, stamp, scale);
    }
    const QRectF& extent = kept.extent();
    painter.setOpacity(painter.opacity() * opacity);
    QColor color = toQColor(layer.shadowColor());
    color.setAlphaF(static_cast<float>(std::clamp(layer.shadowColor().alpha * layer.shadowOpacity(), 0.0, 1.0)));
    const QImage& shadowImage = kept.shadow(color, std::max(layer.shadowRadius(), 0.0) * scale);
    painter.drawImage(extent.translated(layer.shadowOffset().width, layer.shadowOffset().height), shadowImage);
    painter.drawImage(extent, *content);
}

QImage LayerRenderer::renderOffscreen(const Layer& layer, QPainter::RenderHints hints, const QRectF& extent, double scale) const
{
    QImage content(std::max(1, static_cast<int>(std::ceil(extent.width() * scale))), std::max(1, static_cast<int>(std::ceil(extent.height() * scale))),
                   QImage::Format_ARGB32_Premultiplied);
    content.fill(Qt::transparent);
    QPainter offscreen(&content);
    offscreen.setRenderHints(hints);
    offscreen.scale(scale, scale);
    offscreen.translate(-extent.x(), -extent.y());
    renderContents(layer, offscreen);
    if (const auto& mask = layer.mask()) {
        QImage maskImage(content.size(), QImage::Format_ARGB32_Premultiplied);
        maskImage.fill(Qt::transparent);
        QPainter maskPainter(&maskImage);
        maskPainter.setRenderHints(hints);
        maskPainter.scale(scale, scale);
        maskPainter.translate(-extent.x(), -extent.y());
        render(*mask, maskPainter);
        maskPainter.end();
        offscreen.resetTransform();
        offscreen.setCompositionMode(QPainter::CompositionMode_DestinationIn);
        offscreen.drawImage(0, 0, maskImage);
    }
    return content;
}

void LayerRenderer::renderContents(const Layer& layer, QPainter& painter) const
{
    const View* view = layer.view();
    if (layer.isAnimating(time_) || (view && view->nextContentChange(time_)))
        live_ = true;
    const Rect bounds = layer.presentationBounds(time_);
    const Path outline = Path::roundedRect(bounds, layer.cornerRadius());
    if (!layer.backgroundColor().isClear())
        painter.fillPath(outline.qt(), toQColor(layer.backgroundColor()));
    painter.save();
    if (layer.masksToBounds())
        painter.setClipPath(outline.qt(), Qt::IntersectClip);
    {
        painter.save();
        GraphicsContext context(painter);
        context.setTime(time_);
        if (view)
            view->draw(context, bounds);
        layer.drawContent(context);
        painter.restore();
    }
    for (const auto& sublayer : layer.sublayers())
        render(*sublayer, painter);
    painter.restore();
    const double border = layer.borderWidth();
    if (border > 0 && !layer.borderColor().isClear()) {
        QPen pen(toQColor(layer.borderColor()));
        pen.setWidthF(border);
        pen.setJoinStyle(Qt::MiterJoin);
        const Path edge = Path::roundedRect(bounds.insetBy(border * 0.5, border * 0.5), std::max(0.0, layer.cornerRadius() - border * 0.5));
        painter.strokePath(edge.qt(), pen);
    }
}

QImage LayerRenderer::renderView(const View& view, double scale) const
{
    GuiRuntime::ensure();
    const Rect bounds = view.bounds();
    QImage image(std::max(1, static_cast<int>(std::ceil(bounds.width() * scale))), std::max(1, static_cast<int>(std::ceil(bounds.height() * scale))),
                 QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform | QPainter::TextAntialiasing);
    painter.scale(scale, scale);
    painter.translate(-bounds.x(), -bounds.y());
    if (!view.isHidden()) {
        painter.setOpacity(view.alpha());
        renderContents(view.layer(), painter);
    }
    return image;
}

bool LayerRenderer::writePng(const View& view, const std::string& path, double scale) const
{
    return renderView(view, scale).save(QString::fromStdString(path), "PNG");
}

} // namespace ui
