#pragma once

#include "ui/View.h"

#include <memory>

namespace ui {
class ImageView;
class Label;
} // namespace ui

namespace tolvane::app {

// One card of the vehicle carousel: the car's picture and its name.
class ScrollContentView final : public ui::View {
public:
    // A card filling `frame`, as the "ScrollContent" interface file lays it out.
    explicit ScrollContentView(const ui::Rect& frame);

    std::shared_ptr<ui::Label> deviceName;
    std::shared_ptr<ui::ImageView> vehicleImage;
};

} // namespace tolvane::app
