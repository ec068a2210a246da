#pragma once

#include "Class/UI/Base/ViewModel/BaseViewModel.h"
#include "Class/UI/ConnectionConfirmation/ViewModel/IConnectionConfirmationViewModel.h"

#include "rx/Subject.h"

namespace tolvane::app {

// The choice among the registered cars. With no car chosen yet and exactly one registered car's
// unit connected, it chooses that car by itself. Refuses every display request of the vehicle.
// Main thread only.
class ConnectionConfirmationViewModel final : public BaseViewModel, public IConnectionConfirmationViewModel {
public:
    explicit ConnectionConfirmationViewModel(BaseViewModelInjection injection);

    bool isHaveSettingBtn = false;
    rx::Published<Action> action{ConnectionConfirmationAction::none{}};
    int selectedCarRecordIndex = 0;
    std::vector<CarRecord> carRecords;

    std::string screenName() const override { return "ConnectionConfirmation"; }
    bool showsLeaveButton() const override { return false; }
    bool showsSettingButton() const override { return !isHaveSettingBtn; }
    bool showsExitButton() const override { return false; }
    bool showsIndicatorOnOpening() const override { return false; }
    bool transitionEnabled(RequiredDisplayId) override { return false; }

    rx::Publisher<Action> actionPublisher() const override { return action.publisher(); }
    void setHaveSettingButton(bool haveSettingButton) override { isHaveSettingBtn = haveSettingButton; }
    void setSelectedCarRecordIndex(int index) override { selectedCarRecordIndex = index; }
    void loadCarRecords() override;
    void confirmSelection() override;
};

} // namespace tolvane::app
