#pragma once

#include "Class/UI/Arrival/ViewModel/IArrivalViewModel.h"
#include "Class/UI/Base/ViewModel/BaseViewModel.h"

#include "rx/Subject.h"

namespace tolvane::app {

// The end point of a manoeuvre is reached: the user is asked to get into the car. Further arrival
// reports change nothing; every other request moves on as on any screen. Main thread only.
class ArrivalViewModel final : public BaseViewModel, public IArrivalViewModel {
public:
    explicit ArrivalViewModel(BaseViewModelInjection injection);

    rx::Published<Action> action{ArrivalAction::none{}};

    std::string screenName() const override { return "Arrival"; }
    bool showsExitButton() const override { return true; }
    bool showsStackedAlerts() const override { return true; }
    bool transition(RequiredDisplayId reqDisplayId, CauseId causeId) override;

    rx::Publisher<Action> actionPublisher() const override { return action.publisher(); }
    void setAction(Action newAction) override { action.send(std::move(newAction)); }
    void confirmExit() override { displayWarnConfirmation(InAppWarningKind::cancelConfrim); }
};

} // namespace tolvane::app
