#pragma once

#include "Class/UI/Base/ViewModel/BaseViewModel.h"
#include "Class/UI/Warn/ViewModel/IWarnViewModel.h"

#include "foundation/WorkGroup.h"
#include "rx/Subject.h"

namespace tolvane::app {

// The end screen's logic: it keeps the screen for a repeated stop of the cause it ends, passes the link
// store's reports to the screen, and leaves the feature from the end button through the host.
class WarnViewModel final : public BaseViewModel, public IWarnViewModel {
public:
    // The longest the end button waits for the sends to stop before the host is asked to dismiss.
    static constexpr foundation::Seconds STOP_SENDING_WAIT = 1.5;

    explicit WarnViewModel(BaseViewModelInjection injection);

    std::string screenName() const override { return "Warn"; }
    // The end of a link lost on the ignition-on warning leaves through the bar as well.
    bool showsLeaveButton() const override { return inAppWarningKind_ == InAppWarningKind::disconnectAtIGONWarn; }
    bool transition(RequiredDisplayId reqDisplayId, CauseId causeId) override;
    void onSessionDidEndEncounter() override;
    void onSessionCloseTimeout() override;

    // IWarnViewModel
    rx::Publisher<Action> actionPublisher() const override { return action.publisher(); }
    CauseId causeid() const override { return causeid_; }
    void setCauseid(CauseId causeid) override { causeid_ = causeid; }
    void setInAppWarningKind(std::optional<InAppWarningKind> kind) override { inAppWarningKind_ = kind; }
    void stopSending() override;

    void waitForStopSending();
    void dismissHostViewController();

    rx::Published<Action> action{Action::none};
    // This screen puts no work into it: the wait ends at once.
    foundation::WorkGroup stopSendingDispatchGroup;

private:
    // The stop this screen ends: its own cause, or the control time-out whose ignition-on warning
    // handed over to it. The run stays here whatever that stop asks again.
    CauseId endedStop() const;

    CauseId causeid_ = CauseId::DEF;
    std::optional<InAppWarningKind> inAppWarningKind_;
};

} // namespace tolvane::app
