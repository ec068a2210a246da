#pragma once

#include "ui/Control.h"
#include "ui/Image.h"

#include <optional>

namespace ui {

// A value between a minimum and a maximum chosen by dragging the thumb along the track; every change
// made by the finger sends value-changed.
class Slider : public Control {
public:
    explicit Slider(const Rect& frame = {});

    float value() const { return value_; }
    void setValue(float value, bool animated = false);
    float minimumValue() const { return minimum_; }
    void setMinimumValue(float value);
    float maximumValue() const { return maximum_; }
    void setMaximumValue(float value);
    void setMinimumValueImage(std::optional<Image> image);
    void setMaximumValueImage(std::optional<Image> image);
    const std::optional<Image>& minimumValueImage() const { return minimumImage_; }
    const std::optional<Image>& maximumValueImage() const { return maximumImage_; }

    void touchesBegan(const TouchSet& touches, const Event& event) override;
    void touchesMoved(const TouchSet& touches, const Event& event) override;
    void draw(GraphicsContext& context, const Rect& rect) const override;

private:
    Rect trackRect() const;
    void drawThumb(GraphicsContext& context, const Rect& thumb) const;
    void follow(const TouchSet& touches);

    float value_ = 0;
    float minimum_ = 0;
    float maximum_ = 1;
    std::optional<Image> minimumImage_;
    std::optional<Image> maximumImage_;
};

} // namespace ui
