#pragma once

#include "ui/View.h"

#include <memory>

namespace ui {
class ImageView;
class Label;
} // namespace ui

namespace tolvane::app {

// The connecting-for-registration screen's layout: what is happening, the unit's name, the
// connecting animation and what to check when it does not connect.
class ConnectingForRegistrationView final : public ui::View {
public:
    ConnectingForRegistrationView();

    const std::shared_ptr<ui::Label> registrationInfo;
    const std::shared_ptr<ui::Label> deviceName;
    const std::shared_ptr<ui::ImageView> BTConnect;
    const std::shared_ptr<ui::Label> registrationDecription;

    void layoutSubviews() override;
};

} // namespace tolvane::app
