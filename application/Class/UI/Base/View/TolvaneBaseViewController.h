#pragma once

#include "Class/UI/Base/ViewModel/BaseAction.h"

#include "rx/Cancellable.h"
#include "ui/ViewController.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace ui {
class ActivityIndicatorView;
class NavigationController;
} // namespace ui

namespace tolvane::app {

class CustomAlertController;
class IBaseViewModel;
class InteruptCustomAlertController;
class PopupTransition;

// The base of every screen. Each time the screen is about to be shown it follows its view model's
// command stream and carries out each command: the navigation bar and its leave, settings and exit
// buttons, a full-screen activity indicator, the stack of interruption alerts (at most one per
// display priority, the most urgent shown), the connection-failure alert and the tearing down of the
// screens. It is the transitioning delegate of every pop-up it presents. Main thread only.
class TolvaneBaseViewController : public ui::ViewController {
public:
    TolvaneBaseViewController();
    ~TolvaneBaseViewController() override;

    std::shared_ptr<IBaseViewModel> baseViewModel;
    // The screen's subscriptions. What it holds when the screen first appears was bound as the view
    // loaded and lives as long as the screen; what is added later ends when the screen is covered.
    rx::CancellableSet cancellables;
    std::shared_ptr<ui::ActivityIndicatorView> indicator;
    // Oldest first; no two carry the same display priority.
    std::vector<std::shared_ptr<InteruptCustomAlertController>> stackAlert;

    // Shows the most urgent stacked alert when the view model allows stacked alerts.
    virtual void showAlert();
    virtual void setNavigationBarLeftButton();
    virtual void setNavigationBarSettingButton();
    virtual void setNavigationBarExitButton();
    virtual void setupNavigationBar();
    virtual void setIndicator();
    virtual void addStack(RequiredDisplayId requiredDisplayId, CauseId causeId, AlertActions alertActions);
    virtual void pushAlert(std::shared_ptr<InteruptCustomAlertController> alert);
    virtual void removeStack(DisplayPriority displayPriority);
    virtual void removeOtherStack(RequiredDisplayId requiredDisplayId, CauseId causeId);
    virtual void removeAllStackAlert(std::function<void()> completion);
    virtual void showAlertByPriority(RequiredDisplayId requiredDisplayId, CauseId causeId, AlertActions alertActions);
    virtual void showAlertInApp(InAppWarningKind appWarningKind, AlertActions alertActions);
    // Empties the stack without closing anything; screens with timers stop them here too.
    virtual void clearStackAlert();
    virtual void showConnectionFailureAlert();
    virtual void terminateAllViewControllers();
    virtual void dismissAndPopToRoot(ui::ViewController& viewController);

    virtual void tapNavigationButtonLeave();
    virtual void tapNavigationButtonSetting();
    virtual void tapNavigationButtonExit() {}

    void hideIndicator();
    // Presents a pop-up over the dimmed screen, fading in, with this screen as its transitioning delegate.
    void presentPopup(std::shared_ptr<ui::ViewController> popup);
    // A custom alert headed by `title`, with no message, and these buttons in order.
    void presentAlert(const std::string& title, const AlertActions& actions);

    // Empties the alert stack of every screen of `navigationController`, top first.
    static void clearStackAlerts(ui::NavigationController& navigationController);

    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;
    void viewDidAppear(bool animated) override;
    void viewWillDisappear(bool animated) override;
    bool shouldAutorotate() const override { return false; }
    // Every presentation first removes the activity indicator.
    void present(std::shared_ptr<ui::ViewController> controller, bool animated, Completion completion = {}) override;

protected:
    // Hands control back to the host that presented the feature, ending the application cycle once
    // it has dismissed it; nothing in the stand-alone application.
    void leaveForHost();
    // The transition of the pop-ups this screen presents.
    const std::shared_ptr<PopupTransition>& popupTransition() const { return popupTransition_; }

private:
    void carryOut(const BaseAction& action);
    std::shared_ptr<InteruptCustomAlertController> makeAlert();
    std::shared_ptr<InteruptCustomAlertController> makeRequestAlert(RequiredDisplayId requiredDisplayId, CauseId causeId,
                                                                     AlertActions alertActions);
    std::shared_ptr<InteruptCustomAlertController> makeInAppAlert(InAppWarningKind appWarningKind, AlertActions alertActions);
    InteruptCustomAlertController* presentedAlert() const;
    // After a removal: the shown alert goes, then the best of what remains is shown.
    void reevaluateAlerts();
    void dismissForBetterAlert(CustomAlertController& shown);
    void addBarButton(const char* imageName, std::function<void()> action, bool onTheRight);

    std::shared_ptr<PopupTransition> popupTransition_;
    rx::CancellableSet loadBindings_;
    bool hasAppeared_ = false;
    // Ends at the first cover, so that only the screen on top runs the exit cycle when the
    // application ends.
    rx::Cancellable terminateObservation_;
};

} // namespace tolvane::app
