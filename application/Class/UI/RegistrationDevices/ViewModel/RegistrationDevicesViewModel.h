#pragma once

#include "Class/UI/Base/ViewModel/BaseViewModel.h"
#include "Class/UI/RegistrationDevices/ViewModel/IRegistrationDevicesViewModel.h"

#include "foundation/NotificationCenter.h"

namespace tolvane::app {

// Lists the units the phone is connected to for the first step of registering a car. It never
// follows the vehicle's screen requests and shows no indicator while a link opens.
class RegistrationDevicesViewModel final : public BaseViewModel, public IRegistrationDevicesViewModel {
public:
    explicit RegistrationDevicesViewModel(BaseViewModelInjection injection);

    rx::Published<Action> action{Action::none};

    bool showsLeaveButton() const override { return true; }
    bool showsSettingButton() const override { return false; }
    bool showsIndicatorOnOpening() const override { return false; }
    bool transitionEnabled(RequiredDisplayId) override { return false; }

    rx::Publisher<Action> actionPublisher() const override { return action.publisher(); }
    void startSearchingTerminals() override;
    const std::vector<std::shared_ptr<Terminal>>& terms() const override;
    bool isRegistered(const std::string& udid) const override;
    void selectTerminal(size_t index) override;

private:
    void updateTerminal();

    // One observation at a time, however often the screen appears.
    foundation::NotificationCenter::Observation terminalListObservation_;
    foundation::LoopChecker loopChecker_;
};

} // namespace tolvane::app
