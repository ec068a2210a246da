#pragma once

#include "ui/View.h"

#include <memory>

namespace ui {
class Button;
class ImageView;
class Label;
} // namespace ui

namespace tolvane::app {

// The registration completed screen's layout: the connected-car picture, the heading, the unit's
// name and the button on to naming the car.
class ConnectionCompletionForRegistrationView final : public ui::View {
public:
    ConnectionCompletionForRegistrationView();

    const std::shared_ptr<ui::ImageView> carImageView;
    const std::shared_ptr<ui::Label> headingLabel;
    const std::shared_ptr<ui::Label> deviceName;
    const std::shared_ptr<ui::Button> addButton;

    void layoutSubviews() override;
};

} // namespace tolvane::app
