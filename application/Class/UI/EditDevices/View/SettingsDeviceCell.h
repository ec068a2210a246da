#pragma once

#include "ui/TableViewCell.h"

#include <memory>

namespace ui {
class ImageView;
class Label;
} // namespace ui

namespace tolvane::app {

// A registered car's row in both vehicle lists: the linked car's check mark, its name and an image
// at the end of the row.
class SettingsDeviceCell final : public ui::TableViewCell {
public:
    static constexpr const char* REUSE_IDENTIFIER = "SettingsDeviceCell";
    // The name starts here on the 428-point design width, clear of the check mark.
    static constexpr double DEVICE_NAME_LEFT = 55.0;

    SettingsDeviceCell();

    const std::shared_ptr<ui::ImageView> checkImage;
    const std::shared_ptr<ui::ImageView> arrowImage;
    const std::shared_ptr<ui::Label> deviceName;

    void layoutSubviews() override;
};

} // namespace tolvane::app
