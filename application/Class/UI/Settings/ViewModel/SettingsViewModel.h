#pragma once

#include "Class/UI/Base/ViewModel/SettingsFamilyViewModel.h"
#include "Class/UI/Settings/ViewModel/ISettingsViewModel.h"

#include "rx/Subject.h"

#include <memory>

namespace tolvane {
class ISdkStateData;
class ISoundModel;
} // namespace tolvane

namespace tolvane::app {

// The settings menu laid over any screen: the warning sound and its volume, heard at once, and the
// ways to the other settings screens. It never follows the vehicle's display requests while open:
// it keeps the last valid one (stopping the link at once when the request ends the run) and on
// leaving either replays it, sends the user back to the right connection step, or just closes.
class SettingsViewModel final : public SettingsFamilyViewModel, public ISettingsViewModel {
public:
    using Action = SettingsAction;

    static constexpr int MAX_REGISTRATION_COUNT = 5;

    SettingsViewModel(BaseViewModelInjection injection, std::shared_ptr<ISdkStateData> sdkStateData,
                      std::shared_ptr<ISoundModel> soundModel);

    rx::Published<Action> action{Action{Action::none{}}};
    const std::shared_ptr<ISoundModel> soundModel;
    const std::shared_ptr<ISdkStateData> sdkStateData;
    // The pending display request and its cause.
    RequiredDisplayId reqDisplayId = RequiredDisplayId::DEF;
    CauseId causeId = CauseId::DEF;

    bool transition(RequiredDisplayId reqDisplayId, CauseId causeId) override;

    // ISettingsViewModel
    rx::Publisher<Action> actionPublisher() const override { return action.publisher(); }
    void onTapCloseButton() override;
    void onSelectCell(const ui::IndexPath& indexPath) override;
    void deselectRow(const ui::IndexPath& indexPath) override;
    void onChangeSoundMute(bool isOn) override;
    void onChangeSoundVolume(float volume) override;
    void showStoredSoundEnable() override;
    void showStoredSoundVolume() override;
    void notifyDisplayOutsideSdkControl(bool isDisplay) override;
    void showSettingsFirstRegistration() override;

    // Closes the link, then leaves for first registration.
    void disconnectForRegistration();
    // The screen the pending request called for, once the link stopped while the menu was open.
    void replayPendingTransition();

private:
    void checkAddVehicle(const ui::IndexPath& indexPath);
    void closeMenu();
    AlertActions alertActions(const std::string& confirmTitle, std::function<void()> confirm, const ui::IndexPath& indexPath);
};

} // namespace tolvane::app
