#pragma once

#include "rx/Cancellable.h"
#include "ui/TableViewCell.h"

#include <memory>

namespace ui {
class Label;
class Switch;
} // namespace ui

namespace tolvane::app {

class ISettingsViewModel;

// The warning sound's on/off row; it follows the settings view model's sound-switch updates.
class SoundMuteCell final : public ui::TableViewCell {
public:
    SoundMuteCell();

    std::shared_ptr<ISettingsViewModel> viewModel;
    const std::shared_ptr<ui::Label> label;
    const std::shared_ptr<ui::Switch> soundMute;
    rx::CancellableSet cancellables;

    // Follows the view model and shows the stored setting.
    void setup(std::shared_ptr<ISettingsViewModel> settingsViewModel);
    void onTapSoundMute();
    void layoutSubviews() override;
};

} // namespace tolvane::app
