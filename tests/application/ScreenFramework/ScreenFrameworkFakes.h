#pragma once

#include "Class/Model/ITransitionManager.h"
#include "Class/UI/Base/View/CustomAlertAction.h"
#include "Class/UI/Base/ViewModel/BaseAction.h"

#include "Internal/Model/CaseName.h"
#include "Internal/Model/ICautionData.h"
#include "Internal/Model/IDisplayData.h"
#include "Internal/Model/IDisplayModel.h"
#include "Internal/Model/ISdkModel.h"
#include "Internal/Model/IUserOperationModel.h"
#include "rx/Cancellable.h"
#include "rx/Subject.h"

#include <string>
#include <variant>
#include <vector>

namespace screen_testing {

using namespace tolvane;
using namespace tolvane::app;

// The framework's display and cause stores as the application sees them, driven by the test.
class FakeDisplayData final : public IDisplayData {
public:
    rx::Publisher<RequiredDisplayId> reqDisplayId() const override { return subject.publisher(); }
    rx::PassthroughSubject<RequiredDisplayId> subject;
};

class FakeCautionData final : public ICautionData {
public:
    rx::Publisher<CauseId> cause() const override { return subject.publisher(); }
    rx::PassthroughSubject<CauseId> subject;
};

class RecordingUserOperationModel final : public IUserOperationModel {
public:
    void notifyUserOperation(const UserOperationKind& kind) override { operations.push_back(kind); }
    std::vector<UserOperationKind> operations;
};

class RecordingSdkModel final : public ISdkModel {
public:
    void notifyReboot() override { calls.push_back("notifyReboot"); }
    void requestFinishSdk() override { calls.push_back("requestFinishSdk"); }
    void notifyMoveToBackground() override { calls.push_back("notifyMoveToBackground"); }
    void notifyMoveToForeground() override { calls.push_back("notifyMoveToForeground"); }
    std::vector<std::string> calls;
};

class RecordingDisplayModel final : public IDisplayModel {
public:
    void notifyTransitionDisplay(RequiredDisplayId displayId) override { calls.push_back("display:" + caseName(displayId)); }
    void notifyWaitingConnectConfirm() override { calls.push_back("waitingConnectConfirm"); }
    void notifyDisplayOutsideSdkControl(bool isDisplay) override { calls.push_back(std::string("outside:") + (isDisplay ? "true" : "false")); }
    void notifyDisplayPopup(bool isDisplay) override { calls.push_back(std::string("popup:") + (isDisplay ? "true" : "false")); }
    std::vector<std::string> calls;
};

// Records each show operation by name ("showWarn(BT_LOSS)").
class RecordingTransitionManager final : public ITransitionManager {
public:
    DisplayType currentDisplay() const override { return display; }
    void setCurrentDisplay(DisplayType value) override { display = value; }

    void showFirstRegistration() override { note("showFirstRegistration"); }
    void showConnectionConfirmation() override { note("showConnectionConfirmation"); }
    void showWarn(CauseId cause) override { note("showWarn(" + caseName(cause) + ")"); }
    void showWarn(InAppWarningKind warnKind) override { note("showWarn(" + std::string(caseName(warnKind)) + ")"); }
    void showIGONWarn(CauseId cause) override { note("showIGONWarn(" + caseName(cause) + ")"); }
    void showParkInActivation() override { note("showParkInActivation"); }
    void showParkOutActivation() override { note("showParkOutActivation"); }
    void showParkOutCompleted() override { note("showParkOutCompleted"); }
    void showParkInCompleted() override { note("showParkInCompleted"); }
    void showParkInCompletedForgetHazard() override { note("showParkInCompletedForgetHazard"); }
    void showConnectionCompletionForRegistration() override { note("showConnectionCompletionForRegistration"); }
    void showArrival() override { note("showArrival"); }
    void showOperating() override { note("showOperating"); }
    void showPlanParkIn() override { note("showPlanParkIn"); }
    void showPlanParkOut() override { note("showPlanParkOut"); }
    void showPlanForwardBackward() override { note("showPlanForwardBackward"); }
    void showRequestIDWaiting() override { note("showRequestIDWaiting"); }
    void showBlank() override { note("showBlank"); }
    void showFirstTutorialFlow() override { note("showFirstTutorialFlow"); }
    void showFirstTutorialFlowFromSetting() override { note("showFirstTutorialFlowFromSetting"); }
    void showRegistrationDevices() override { note("showRegistrationDevices"); }
    void showConnectingForRegistration() override { note("showConnectingForRegistration"); }
    void showRegistration() override { note("showRegistration"); }
    void showDisclaimer() override { note("showDisclaimer"); }
    void showTouchPreConfirmation() override { note("showTouchPreConfirmation"); }
    void showGeofence() override { note("showGeofence"); }
    void showConnecting() override { note("showConnecting"); }
    void showSettings() override { note("showSettings"); }
    void showSettingsFirstRegistration() override { note("showSettingsFirstRegistration"); }
    void showSettingsDeleteDevices() override { note("showSettingsDeleteDevices"); }
    void showSettingsEditDevices() override { note("showSettingsEditDevices"); }
    void showSettingsOperationHistory() override { note("showSettingsOperationHistory"); }
    void showTutorialConnecting() override { note("showTutorialConnecting"); }
    void showTutorialParkIn() override { note("showTutorialParkIn"); }
    void showTutorialParkOut() override { note("showTutorialParkOut"); }
    void showTutorialMovie() override { note("showTutorialMovie"); }
    void showTutorialMenu() override { note("showTutorialMenu"); }
    ui::NavigationController& getTopNavigationController(ui::NavigationController& navigationController) const override
    {
        return navigationController;
    }
    void resetDispID() override { note("resetDispID"); }
    void popToRootViewController() override { note("popToRootViewController"); }
    void popToRootViewController(ui::NavigationController&) override { note("popToRootViewController(stack)"); }

    std::vector<std::string> calls;
    DisplayType display = DisplayType::none;

private:
    void note(std::string call) { calls.push_back(std::move(call)); }
};

// A command as text: its case, then its values ("removeOtherStack(HALT, BT_LOSS)"); alert buttons
// as their titles.
std::string describe(const BaseAction& action);

// Every command a view model publishes after the recorder subscribed, kept with its text.
class ActionRecorder {
public:
    explicit ActionRecorder(const rx::Publisher<BaseAction>& publisher);

    std::vector<std::string> texts() const;
    // The commands published since the last call.
    std::vector<std::string> takeTexts();
    const std::vector<BaseAction>& actions() const { return actions_; }
    // The buttons of the last command that carried some.
    AlertActions lastAlertActions() const;
    // Runs the completion of the last removeAllStackAlert, as the screen would once the stack is empty.
    void completeLastRemoveAll() const;
    void clear() { actions_.clear(); }

private:
    std::vector<BaseAction> actions_;
    size_t taken_ = 0;
    rx::Cancellable subscription_;
};

// Taps the button titled `title`: runs its handler as the alert does after closing.
void tap(const AlertActions& actions, const std::string& title);
std::vector<std::string> titles(const AlertActions& actions);

} // namespace screen_testing
