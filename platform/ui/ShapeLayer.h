#pragma once

#include "ui/GraphicsContext.h"
#include "ui/Layer.h"
#include "ui/Path.h"

namespace ui {

// A path filled and stroked; strokeStart and strokeEnd (0...1) draw part of the stroke.
class ShapeLayer : public Layer {
public:
    const Path& path() const { return path_; }
    void setPath(const Path& path);
    const Color& fillColor() const { return fillColor_; }
    void setFillColor(const Color& color);
    const Color& strokeColor() const { return strokeColor_; }
    void setStrokeColor(const Color& color);
    double lineWidth() const { return lineWidth_; }
    void setLineWidth(double width);
    LineCap lineCap() const { return lineCap_; }
    void setLineCap(LineCap cap);
    double strokeStart() const { return strokeStart_; }
    void setStrokeStart(double value);
    double strokeEnd() const { return strokeEnd_; }
    void setStrokeEnd(double value);

    void drawContent(GraphicsContext& context) const override;
    double modelValue(AnimatedProperty property) const override;
    Color modelColor(AnimatedProperty property) const override;

private:
    Path path_;
    Color fillColor_ = Color::black();
    Color strokeColor_ = Color::clear();
    double lineWidth_ = 1;
    LineCap lineCap_ = LineCap::butt;
    double strokeStart_ = 0;
    double strokeEnd_ = 1;
};

} // namespace ui
