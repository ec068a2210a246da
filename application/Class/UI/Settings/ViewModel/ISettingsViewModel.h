#pragma once

#include "Class/UI/Base/ViewModel/BaseAction.h"

#include "rx/Publisher.h"
#include "ui/IndexPath.h"

#include <optional>
#include <string>
#include <variant>

namespace tolvane::app {

// What the settings view model asks of its screen and of the sound cells.
struct SettingsAction {
    struct deselectRow {
        ui::IndexPath at;
        bool animated;
    };
    struct presentAlert {
        std::string title;
        AlertActions alertActions;
    };
    struct updateSoundMuteCell {
        bool isOn;
    };
    struct updateSoundSliderCell {
        // None leaves the slider's value where it is.
        std::optional<float> volume;
        bool isEnabled;
    };
    struct none {};
    // Close without a transition of the screen's own.
    struct dismiss {};
    // Close, then open first registration.
    struct dismissAndShowFirstRegistration {};

    std::variant<deselectRow, presentAlert, updateSoundMuteCell, updateSoundSliderCell, none, dismiss,
                 dismissAndShowFirstRegistration>
        value;
};

// The settings menu's view model as its screen and cells see it.
class ISettingsViewModel {
public:
    virtual ~ISettingsViewModel() = default;

    // Hands over the last action at once, then every later one.
    virtual rx::Publisher<SettingsAction> actionPublisher() const = 0;
    virtual void onTapCloseButton() = 0;
    virtual void onSelectCell(const ui::IndexPath& indexPath) = 0;
    virtual void deselectRow(const ui::IndexPath& indexPath) = 0;
    virtual void onChangeSoundMute(bool isOn) = 0;
    virtual void onChangeSoundVolume(float volume) = 0;
    // The sound cells show the stored settings.
    virtual void showStoredSoundEnable() = 0;
    virtual void showStoredSoundVolume() = 0;
    virtual void notifyDisplayOutsideSdkControl(bool isDisplay) = 0;
    // First registration, inside the menu's stack.
    virtual void showSettingsFirstRegistration() = 0;
};

} // namespace tolvane::app
