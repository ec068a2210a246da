#pragma once

#include "Class/Model/Terminal/TerminalProtocol.h"
#include "Class/UI/Base/ViewModel/BaseViewModelInjection.h"
#include "Class/UI/Base/ViewModel/IBaseViewModel.h"

#include "Internal/Model/CauseId.h"
#include "Internal/Model/RequiredDisplayId.h"
#include "foundation/LoopChecker.h"
#include "rx/Cancellable.h"
#include "rx/Publisher.h"
#include "rx/Subject.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <tuple>

namespace tolvane::app {

// The base of every screen's view model. It follows the vehicle's required screen and cause through
// the routing decision, builds the pop-ups of interruptions and the application's own warnings,
// reacts to link events while its screen was shown last, and tells its screen what to do only
// through the `baseAction` command stream. Everything but the arrival of the framework's values runs
// on the main thread. The routing, the pop-ups, the link events, opening and closing the link and the
// navigation are classes of their own; the members here stay the ones a screen calls or overrides.
class BaseViewModel : public IBaseViewModel, public TerminalProtocol, public std::enable_shared_from_this<BaseViewModel> {
public:
    using DisplayCause = std::tuple<RequiredDisplayId, CauseId>;

    // Seconds between the exit sequence's finish request and the closing of the link.
    static constexpr double EXIT_CLOSE_DELAY = 0.3;

    explicit BaseViewModel(BaseViewModelInjection injection);
    ~BaseViewModel() override;

    const std::shared_ptr<ITransitionManager> transitionManager;
    const std::shared_ptr<IDisplayData> displayData;
    const std::shared_ptr<ICautionData> cautionData;
    const std::shared_ptr<IUserOperationModel> userOperationModel;
    const std::shared_ptr<ISdkModel> sdkModel;
    const std::shared_ptr<IDisplayModel> displayModel;
    // Each value of either side gives the latest of both, once both have given one.
    const rx::Publisher<DisplayCause> displayCausePublisher;
    // Commands to the screen; subclasses publish their own here too.
    rx::Published<BaseAction> baseAction{BaseAction::none{}};
    rx::CancellableSet cancellables;

    // Open the settings the next time the screen is shown.
    bool toSettings = false;
    // The user confirmed the stop; waiting for the vehicle.
    bool isWaitingAfterWarnConfirmation = false;
    // The stop confirmation is showing.
    bool isShowStopConfirmation = false;
    // The override pop-up was answered; the framework was told a screen outside its control is up.
    bool isWaitingResumeAfterOverride = false;
    bool isConfirmingCarRegistration = false;
    // The last request that passed validation, and its cause.
    RequiredDisplayId latestReqDisplayId = RequiredDisplayId::DEF;
    CauseId latestCauseId = CauseId::DEF;
    // A display id held back after a Resume answer, and a cause such an answer stored.
    RequiredDisplayId excludeReqDisplayId = RequiredDisplayId::DEF;
    CauseId excludeCauseId = CauseId::DEF;

    // What a screen may override.
    virtual bool showsLeaveButton() const { return false; }
    virtual bool showsSettingButton() const { return true; }
    virtual bool showsExitButton() const { return false; }
    virtual bool isNavigationBarHidden() const { return false; }
    virtual std::string screenName() const { return {}; }
    virtual bool showsIndicatorOnOpening() const { return true; }
    bool showsStackedAlerts() const override { return false; }
    virtual bool skipsKeyHaltPopup() const { return false; }
    virtual void setBinding();
    virtual void transitionToWarn(bool isIGONWarn, CauseId causeId);
    virtual void displayWarnConfirmation(RequiredDisplayId reqDisplayId, CauseId causeId);
    virtual void tapCancelConfirmationPopupButtonYes();
    virtual void tapCancelConfirmationPopupButtonNo();
    virtual void updateDisplayOutsideSdkControl();
    virtual void tapOverridePopupButtonFinish();
    virtual void displayLockChanged(bool isLocked);
    virtual void showCloseTerminalTimeoutWarn();
    // The routing decision: true exactly when a final screen (arrival, a completed screen or the end)
    // is under way.
    virtual bool transition(RequiredDisplayId reqDisplayId, CauseId causeId);
    virtual bool transitionEnabled(RequiredDisplayId reqDisplayId);
    virtual void onConnectionFailure();
    virtual void onSessionDidEndEncounter() {}
    virtual void onSessionCloseTimeout() {}
    void willAppear() override {}
    void resetBaseAction() override;
    virtual void popToRootAndRestart();

    // IBaseViewModel
    rx::Publisher<BaseAction> baseActionPublisher() const override { return baseAction.publisher(); }
    bool isBackground() const override;
    bool isWaitingAfterResume() const override { return isWaitingAfterResume_; }
    void updateShowStopConfirmation(bool isShowStopConfirmation) override;
    void addTransitToBlankObserver() override;
    void setupNavigationBar() override;
    void displayWarnConfirmation(InAppWarningKind appWarningKind) override;
    void exitAppCycle() override;
    void popTopViewController() override;
    void popToRootViewController(ui::NavigationController& navigationController) override;
    void clearCancellables() override;
    void showSettings() override;

    void setWaitingAfterResume(bool waiting) { isWaitingAfterResume_ = waiting; }
    // Shows the blank screen; the reaction to the application resigning with the link in use.
    void viewEventTransitToBlank();
    // Opens the selected car's link unless it is up; the failure reaction of the settings, device,
    // history and tutorial-menu screens.
    void reconnectSelectedCar();
    // As reconnectSelectedCar(), with `retryCount` retries unless `useStoredRetryCount`.
    void startTerminalConnection(int64_t retryCount, bool useStoredRetryCount);

    // TerminalProtocol
    void terminalOpenWillStart() override;
    void terminalOpenDidSucceed() override;
    void terminalOpenDidFail() override;
    void terminalErrorOccurred(const std::string& error) override;
    void terminalSessionDidEnd() override;
    void terminalCloseDidTimeOut() override;

protected:
    // A display request worth acting on: a screen of the run without a cause, or an interruption or
    // end with one.
    static bool isValidPair(RequiredDisplayId reqDisplayId, CauseId causeId);
    // Closes the run's history row as ended by a close time-out.
    void recordCloseTerminalTimeout();
    // The decision of the screens that never follow vehicle requests: ends the link when the pair
    // ends the run, changes no screen, and returns false.
    bool transitionWithoutScreenChange(RequiredDisplayId reqDisplayId, CauseId causeId);

private:
    // Routing and alerts touch screens: a call from a worker thread would race them.
    foundation::LoopChecker loopChecker_;
    bool isWaitingAfterResume_ = false;
};

} // namespace tolvane::app
