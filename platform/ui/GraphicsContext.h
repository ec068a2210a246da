#pragma once

#include "ui/Color.h"
#include "ui/Path.h"
#include "ui/Rect.h"
#include "ui/TextAlignment.h"

#include <string>
#include <vector>

class QPainter;

namespace ui {

class Font;
class Image;

enum class LineCap { butt, round, square };
enum class LineJoin { miter, round, bevel };

// What a view's draw(rect) draws with: a current path, fill and stroke settings, clipping, gradients,
// images and text, on top of a QPainter.
class GraphicsContext {
public:
    explicit GraphicsContext(QPainter& painter);

    QPainter& painter() { return painter_; }
    // Seconds on the main loop's clock at which this frame is drawn (for animated content).
    double time() const { return time_; }
    void setTime(double time) { time_ = time; }

    void saveState();
    void restoreState();
    void translate(double dx, double dy);
    void scale(double sx, double sy);
    void rotate(double radians);
    void setAlpha(double alpha);

    void setFillColor(const Color& color) { fillColor_ = color; }
    void setStrokeColor(const Color& color) { strokeColor_ = color; }
    void setLineWidth(double width) { lineWidth_ = width; }
    void setLineCap(LineCap cap) { lineCap_ = cap; }
    void setLineJoin(LineJoin join) { lineJoin_ = join; }

    // The current path, consumed by fill, stroke and clip.
    void beginPath() { path_ = Path(); }
    void moveTo(const Point& point) { path_.moveTo(point); }
    void addLineTo(const Point& point) { path_.lineTo(point); }
    void addQuadCurveTo(const Point& control, const Point& end) { path_.quadTo(control, end); }
    void addArc(const Point& center, double radius, double startAngle, double endAngle, bool clockwise)
    {
        path_.addArc(center, radius, startAngle, endAngle, clockwise);
    }
    void addRect(const Rect& rect) { path_.addRect(rect); }
    void addPath(const Path& path) { path_.addPath(path); }
    void closePath() { path_.close(); }
    void fillPath();
    void strokePath();
    // The outline of what strokePath would draw becomes the current path.
    void replacePathWithStrokedPath();
    // Intersects the clip with the current path.
    void clip();

    void fill(const Rect& rect);
    void stroke(const Rect& rect);
    void fill(const Path& path, const Color& color);
    void stroke(const Path& path, const Color& color, double width);
    void drawLinearGradient(const std::vector<Color>& colors, const std::vector<double>& locations, const Point& start,
                            const Point& end);
    // Template images take `tint`; others draw as they are.
    void drawImage(const Image& image, const Rect& rect, const Color& tint = Color::clear());
    void drawText(const std::string& text, const Rect& rect, const Font& font, const Color& color,
                  TextAlignment alignment = TextAlignment::left, int numberOfLines = 0);

private:
    void applyPen();

    QPainter& painter_;
    double time_ = 0;
    Path path_;
    Color fillColor_ = Color::black();
    Color strokeColor_ = Color::black();
    double lineWidth_ = 1;
    LineCap lineCap_ = LineCap::butt;
    LineJoin lineJoin_ = LineJoin::miter;
};

} // namespace ui
