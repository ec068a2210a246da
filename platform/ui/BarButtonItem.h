#pragma once

#include "ui/Image.h"

#include <functional>
#include <optional>
#include <string>

namespace ui {

enum class BarButtonItemStyle { plain, done };

// A button of the navigation bar: an image or a title, and what a tap on it does.
class BarButtonItem {
public:
    using Action = std::function<void()>;

    BarButtonItem(std::optional<Image> image, BarButtonItemStyle style, Action action)
        : image_(std::move(image)), style_(style), action_(std::move(action))
    {
    }
    BarButtonItem(std::string title, BarButtonItemStyle style, Action action)
        : title_(std::move(title)), style_(style), action_(std::move(action))
    {
    }

    const std::optional<Image>& image() const { return image_; }
    const std::optional<std::string>& title() const { return title_; }
    BarButtonItemStyle style() const { return style_; }
    void trigger() const
    {
        if (action_)
            action_();
    }

private:
    std::optional<Image> image_;
    std::optional<std::string> title_;
    BarButtonItemStyle style_;
    Action action_;
};

} // namespace ui
