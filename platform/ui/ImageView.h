#pragma once

#include "ui/Image.h"
#include "ui/View.h"

#include <optional>

namespace ui {

// Shows an image placed by the content mode: template images in the tint colour, animated images
// frame by frame from the moment they are set, on the main loop's clock.
class ImageView : public View {
public:
    explicit ImageView(const Rect& frame = {});
    explicit ImageView(std::optional<Image> image);

    const std::optional<Image>& image() const { return image_; }
    void setImage(std::optional<Image> image);
    bool isAnimating() const { return image_ && image_->isAnimated(); }
    std::optional<double> nextContentChange(double now) const override;

    Size sizeThatFits(const Size& size) const override;
    void draw(GraphicsContext& context, const Rect& rect) const override;

private:
    std::optional<Image> image_;
    double animationStart_ = 0;
};

} // namespace ui
