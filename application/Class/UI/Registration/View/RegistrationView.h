#pragma once

#include "ui/View.h"

#include <memory>

namespace ui {
class Button;
class ImageView;
class Label;
class TextField;
} // namespace ui

namespace tolvane::app {

// The registration screen's layout: the heading, the car's picture in a frame with the button that
// changes it, the name field and the register button.
class RegistrationView final : public ui::View {
public:
    RegistrationView();

    const std::shared_ptr<ui::Label> titleLabel;
    const std::shared_ptr<ui::View> pictureFrame;
    const std::shared_ptr<ui::ImageView> deviceImageView;
    const std::shared_ptr<ui::Button> changeImageButton;
    const std::shared_ptr<ui::Label> nameLabel;
    // The white box the name is typed in; the field sits inside it with room on both sides.
    const std::shared_ptr<ui::View> nameBox;
    const std::shared_ptr<ui::TextField> deviceNameText;
    const std::shared_ptr<ui::Button> registerBtn;

    void layoutSubviews() override;
};

} // namespace tolvane::app
