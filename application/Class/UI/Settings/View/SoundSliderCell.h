#pragma once

#include "rx/Cancellable.h"
#include "ui/TableViewCell.h"

#include <memory>

namespace ui {
class Label;
class Slider;
} // namespace ui

namespace tolvane::app {

class ISettingsViewModel;

// The volume row: a slider between a quiet and a loud speaker; greyed out while the sound is off.
class SoundSliderCell final : public ui::TableViewCell {
public:
    SoundSliderCell();

    std::shared_ptr<ISettingsViewModel> viewModel;
    const std::shared_ptr<ui::Label> label;
    const std::shared_ptr<ui::Slider> soundVolume;
    rx::CancellableSet cancellables;

    // Follows the view model and shows the stored volume.
    void setup(std::shared_ptr<ISettingsViewModel> settingsViewModel);
    void sondVolumeChanged();
    void layoutSubviews() override;
};

} // namespace tolvane::app
