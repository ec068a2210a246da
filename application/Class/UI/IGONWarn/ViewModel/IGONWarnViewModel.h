#pragma once

#include "Class/UI/Base/ViewModel/BaseViewModel.h"
#include "Class/UI/IGONWarn/ViewModel/IIGONWarnViewModel.h"

#include "rx/Subject.h"

namespace tolvane::app {

// The ignition-on warning's logic: it keeps the screen for a repeated stop of its own cause and,
// for a control time-out, hands over to the end screen when the link ends or its close times out.
class IGONWarnViewModel final : public BaseViewModel, public IIGONWarnViewModel {
public:
    explicit IGONWarnViewModel(BaseViewModelInjection injection);

    std::string screenName() const override { return "IgonWarn"; }
    bool transition(RequiredDisplayId reqDisplayId, CauseId causeId) override;
    void onSessionDidEndEncounter() override;
    void onSessionCloseTimeout() override;

    // IIGONWarnViewModel
    rx::Publisher<Action> actionPublisher() const override { return action.publisher(); }
    CauseId causeId() const override { return causeId_; }
    void setCauseId(CauseId causeId) override { causeId_ = causeId; }
    void setIndicator() override;

    rx::Published<Action> action{Action::none};

private:
    CauseId causeId_ = CauseId::DEF;
};

} // namespace tolvane::app
