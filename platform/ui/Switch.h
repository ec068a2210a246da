#pragma once

#include "ui/Control.h"

namespace ui {

// An on/off control: a tap flips it and sends value-changed.
class Switch : public Control {
public:
    explicit Switch(const Rect& frame = {0, 0, 51, 31});

    bool isOn() const { return on_; }
    void setOn(bool on, bool animated);
    const Color& onTintColor() const { return onTint_; }
    void setOnTintColor(const Color& color);

    void touchesEnded(const TouchSet& touches, const Event& event) override;
    void draw(GraphicsContext& context, const Rect& rect) const override;

private:
    bool on_ = false;
    Color onTint_ = Color::rgb255(52, 199, 89);
};

} // namespace ui
