#pragma once

#include "ui/View.h"

namespace ui {
class GraphicsContext;
}

namespace tolvane::app {

// A speech balloon in the view's tint colour: a rounded body with an equilateral tail on one side
// (0 top, 1 right, 2 bottom, 3 left), with a drop shadow. Its subviews sit in the body, inset by the
// padding, unless told otherwise.
class BalloonView : public ui::View {
public:
    explicit BalloonView(const ui::Rect& frame = {});

    int orientation() const { return orientaionValue_; }
    // Outside 0...3 means the top.
    void setOrientation(int orientation);
    bool adjustSubviews() const { return adjustSubviewsValue_; }
    void setAdjustSubviews(bool adjust) { adjustSubviewsValue_ = adjust; }
    double triangleRatio() const { return triangleRatioValue_; }
    void setTriangleRatio(double ratio);
    double cornerRadiusRatio() const { return cornerRadiusRatioValue_; }
    void setCornerRadiusRatio(double ratio);
    // Height over width of the balloon when the content mode fits it by aspect; 0 or less means 1.
    double aspect() const { return aspectValue_; }
    void setAspect(double aspect);
    double paddingRatio() const { return paddingRatioValue_; }
    void setPaddingRatio(double ratio);
    bool smallShadow() const { return smallShadowValue_; }
    void setSmallShadow(bool small) { smallShadowValue_ = small; }

    // The rectangle the balloon takes in `rect`: all of it, or centred by aspect when fitting.
    ui::Rect balloonRect(const ui::Rect& rect) const;
    // Fills the balloon in `rect` (when a context is given) and returns its content rectangle.
    ui::Rect drawBalloon(ui::GraphicsContext* context, const ui::Rect& rect) const;
    void applyShadow();

    void layoutSubviews() override;
    void draw(ui::GraphicsContext& context, const ui::Rect& rect) const override;

private:
    int orientaionValue_ = 0;
    bool adjustSubviewsValue_ = true;
    double triangleRatioValue_ = 0.2;
    double cornerRadiusRatioValue_ = 0;
    double aspectValue_ = 1.0;
    double paddingRatioValue_ = 0;
    bool smallShadowValue_ = false;
};

} // namespace tolvane::app
