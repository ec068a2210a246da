#pragma once

#include "ui/AttributedString.h"
#include "ui/Control.h"
#include "ui/Image.h"

#include <map>
#include <optional>
#include <string>

namespace ui {

class ImageView;
class Label;

enum class ContentAlignment { center, fill, leading, trailing };

// A control with a title, a title colour, an image and a background image for each state; a state
// without its own value shows the normal state's. An attributed title goes before the plain one.
class Button : public Control {
public:
    explicit Button(const Rect& frame = {});

    void setTitle(std::optional<std::string> title, ControlState state);
    std::optional<std::string> title(ControlState state) const;
    std::optional<std::string> currentTitle() const { return title(state()); }
    void setAttributedTitle(std::optional<AttributedString> title, ControlState state);
    std::optional<AttributedString> attributedTitle(ControlState state) const;
    void setTitleColor(const Color& color, ControlState state);
    Color titleColor(ControlState state) const;
    void setImage(std::optional<Image> image, ControlState state);
    std::optional<Image> image(ControlState state) const;
    void setBackgroundImage(std::optional<Image> image, ControlState state);
    // The state's own background image only (no fallback), as a button keeps it.
    std::optional<Image> backgroundImage(ControlState state) const;

    Label& titleLabel() const { return *titleLabel_; }
    ImageView& imageView() const { return *imageView_; }
    ContentAlignment contentHorizontalAlignment() const { return horizontal_; }
    void setContentHorizontalAlignment(ContentAlignment alignment);
    ContentAlignment contentVerticalAlignment() const { return vertical_; }
    void setContentVerticalAlignment(ContentAlignment alignment);

    // A tap as the finger would make it: touch-up-inside when the button takes touches.
    void tap();

    void layoutSubviews() override;
    Size sizeThatFits(const Size& size) const override;
    void draw(GraphicsContext& context, const Rect& rect) const override;

protected:
    void stateDidChange() override;

private:
    template <class T>
    static std::optional<T> lookup(const std::map<ControlState, T>& values, ControlState state);
    void refresh();

    std::shared_ptr<Label> titleLabel_;
    std::shared_ptr<ImageView> imageView_;
    std::map<ControlState, std::string> titles_;
    std::map<ControlState, AttributedString> attributedTitles_;
    std::map<ControlState, Color> titleColors_;
    std::map<ControlState, Image> images_;
    std::map<ControlState, Image> backgroundImages_;
    ContentAlignment horizontal_ = ContentAlignment::center;
    ContentAlignment vertical_ = ContentAlignment::center;
};

} // namespace ui
