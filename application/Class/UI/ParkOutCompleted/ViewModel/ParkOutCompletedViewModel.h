#pragma once

#include "Class/UI/Base/ViewModel/BaseViewModel.h"
#include "Class/UI/ParkOutCompleted/ViewModel/IParkOutCompletedViewModel.h"

#include "foundation/Timer.h"

#include <atomic>

namespace tolvane::app {

// After parking out: shortly after load it stops sending, closes the link and records the normal
// end, unless another screen was required first; its exit records the user's leaving and hands
// control back to the host. Main thread only.
class ParkOutCompletedViewModel final : public BaseViewModel, public IParkOutCompletedViewModel {
public:
    // Seconds between load and the closing of the link; also the longest the exit waits for it.
    static constexpr double STOP_SENDING_DELAY = 0.05;

    explicit ParkOutCompletedViewModel(BaseViewModelInjection injection);
    ~ParkOutCompletedViewModel() override;

    rx::Published<ParkOutCompletedAction> actionSubject{ParkOutCompletedAction::none{}};
    // Another screen was required before the link was closed: the link is left to it.
    std::atomic<bool> stopSendingCancelFlg = false;

    // BaseViewModel
    std::string screenName() const override { return "ParkOutCompleted"; }
    bool showsExitButton() const override { return false; }
    bool transition(RequiredDisplayId reqDisplayId, CauseId causeId) override;

    // IParkOutCompletedViewModel
    rx::Publisher<ParkOutCompletedAction> action() const override { return actionSubject.publisher(); }
    void viewDidLoad() override;
    void exit() override;

private:
    void closeLink();
    void finishExit();

    // The delayed close runs as a main-loop timer, so the link is only ever touched on the main thread.
    foundation::TimerRef stopSendingTimer_;
};

} // namespace tolvane::app
