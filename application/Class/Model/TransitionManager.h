#pragma once

#include "Class/Model/ITransitionManager.h"

#include "Internal/Model/RequiredDisplayId.h"
#include "foundation/LoopChecker.h"
#include "ui/StoryboardRegistry.h"

#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ui {
class ViewController;
}

namespace tolvane {
class IDisplayModel;
}

namespace tolvane::app {

// The application's one screen router. Each show operation loads one screen's storyboard, checks
// that the change is allowed from the screen shown last, tells the framework which vehicle display
// the phone now shows and places the new screen on the embedding entry's navigation stack.
class TransitionManager final : public ITransitionManager {
public:
    explicit TransitionManager(std::shared_ptr<IDisplayModel> displayModel);

    DisplayType currentDisplay() const override { return currentDisplay_; }
    void setCurrentDisplay(DisplayType display) override { currentDisplay_ = display; }

    void showFirstRegistration() override;
    void showConnectionConfirmation() override;
    void showWarn(CauseId cause) override;
    void showWarn(InAppWarningKind warnKind) override;
    void showIGONWarn(CauseId cause) override;
    void showParkInActivation() override;
    void showParkOutActivation() override;
    void showParkOutCompleted() override;
    void showParkInCompleted() override;
    void showParkInCompletedForgetHazard() override;
    void showConnectionCompletionForRegistration() override;
    void showArrival() override;
    void showOperating() override;
    void showPlanParkIn() override;
    void showPlanParkOut() override;
    void showPlanForwardBackward() override;
    void showRequestIDWaiting() override;
    void showBlank() override;
    void showFirstTutorialFlow() override;
    void showFirstTutorialFlowFromSetting() override;
    void showRegistrationDevices() override;
    void showConnectingForRegistration() override;
    void showRegistration() override;
    void showDisclaimer() override;
    void showTouchPreConfirmation() override;
    void showGeofence() override;
    void showConnecting() override;
    void showSettings() override;
    void showSettingsFirstRegistration() override;
    void showSettingsDeleteDevices() override;
    void showSettingsEditDevices() override;
    void showSettingsOperationHistory() override;
    void showTutorialConnecting() override;
    void showTutorialParkIn() override;
    void showTutorialParkOut() override;
    void showTutorialMovie() override;
    void showTutorialMenu() override;

    ui::NavigationController& getTopNavigationController(ui::NavigationController& navigationController) const override;
    void resetDispID() override;
    void popToRootViewController() override;
    void popToRootViewController(ui::NavigationController& navigationController) override;

private:
    enum class Refusal { silent, alreadyShown, activation };
    // When the display is reported: with the change, before the guard (also when refused), or with
    // the change and after a refusal too.
    enum class Report { withChange, beforeGuard, alsoWhenRefused };
    // Which steps wait for a later turn of the main loop.
    enum class Deferred { nothing, placement, changeAndPlacement };
    enum class Placement { push, modal };

    // One show operation, step by step.
    struct Route {
        std::string_view function;
        std::string logText;
        ui::StoryboardReference<ui::ViewController> storyboard;
        std::vector<DisplayType> guards = {};
        Refusal refusal = Refusal::silent;
        DisplayType display = DisplayType::none;
        std::optional<RequiredDisplayId> displayId = std::nullopt;
        Report report = Report::withChange;
        bool popFirst = false;
        Placement placement = Placement::push;
        bool animated = false;
        // The window's content slides in from the right before the screen is placed.
        bool slidesWindowIn = false;
        Deferred deferred = Deferred::nothing;
        std::function<void(ui::ViewController&)> configure = {};
        std::function<void()> onRefusal = {};
    };

    void show(Route route);
    bool refuses(const Route& route);
    void commit(const Route& route);
    void place(const Route& route, std::shared_ptr<ui::ViewController> controller);
    void log(std::string_view function, const std::string& text) const;
    void report(RequiredDisplayId displayId);

    std::shared_ptr<IDisplayModel> displayModel_;
    foundation::LoopChecker loopChecker_;
    DisplayType currentDisplay_ = DisplayType::none;
    // The display reported with the last screen shown outside the settings menu.
    RequiredDisplayId dialogBeforeDspConst_ = RequiredDisplayId::DEF;
};

} // namespace tolvane::app
