#pragma once

#include "ui/View.h"

namespace ui {

enum class ActivityIndicatorStyle { medium, large };

// Spokes turning while it animates; hidden while stopped unless told otherwise.
class ActivityIndicatorView : public View {
public:
    explicit ActivityIndicatorView(ActivityIndicatorStyle style = ActivityIndicatorStyle::medium);

    void startAnimating();
    void stopAnimating();
    bool isAnimating() const { return animating_; }
    std::optional<double> nextContentChange(double now) const override;
    bool hidesWhenStopped() const { return hidesWhenStopped_; }
    void setHidesWhenStopped(bool hides);
    const Color& color() const { return color_; }
    void setColor(const Color& color);

    void draw(GraphicsContext& context, const Rect& rect) const override;

private:
    const double diameter_;
    bool animating_ = false;
    bool hidesWhenStopped_ = true;
    Color color_ = Color::rgb255(142, 142, 147);
    double start_ = 0;
};

} // namespace ui
