#pragma once

#include "ui/Image.h"
#include "ui/IndexPath.h"
#include "ui/TableViewCell.h"

#include <memory>
#include <optional>

namespace ui {
class ImageView;
class Label;
} // namespace ui

namespace tolvane::app {

class ISettingsViewModel;

// A menu row with an arrow at its end; the vehicle row can look and act disabled.
class SettingsTableViewCell final : public ui::TableViewCell {
public:
    SettingsTableViewCell();

    std::shared_ptr<ISettingsViewModel> viewModel;
    const std::shared_ptr<ui::Label> label;
    const std::shared_ptr<ui::ImageView> arrowImage;
    std::optional<ui::Image> enabledArrowImage;
    std::optional<ui::Image> unabledArrowImage;

    void setup(std::shared_ptr<ISettingsViewModel> settingsViewModel, const ui::IndexPath& indexPath, bool isEnabled);
    void setText(const ui::IndexPath& indexPath);
    void setupArrowImages();
    void layoutSubviews() override;
};

} // namespace tolvane::app
