#pragma once

#include "Class/UI/Base/View/InAppWarningKind.h"

#include "Internal/Model/CauseId.h"
#include "foundation/EnumCases.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace ui {
class NavigationController;
}

namespace tolvane::app {

// The screen the router showed last; its guards test it.
enum class DisplayType : uint8_t {
    none = 0,
    firstRegistration = 1,
    connectionConfirmation = 2,
    settings = 3,
    warn = 4,
    IGOnWarn = 5,
    activation = 6,
    parkOutCompleted = 7,
    parkInCompleted = 8,
    connectionCompletionForRegistration = 9,
    arrival = 10,
    planConfirmation = 11,
    operating = 12,
    requestIdWaiting = 13,
    blank = 14,
    firstTutorialFlow = 15,
    registrationDevices = 16,
    connectingForRetistration = 17,
    registration = 18,
    connecting = 19,
    disclaimer = 20,
    geofence = 21,
    touchPreConfirmation = 22,
};

std::string_view caseName(DisplayType display);

// The application's single screen router: one show operation per screen, each guarded by the screen
// shown last, plus the reset to the first screen. Main thread only.
class ITransitionManager {
public:
    using DisplayType = app::DisplayType;

    virtual ~ITransitionManager() = default;

    virtual DisplayType currentDisplay() const = 0;
    virtual void setCurrentDisplay(DisplayType display) = 0;

    virtual void showFirstRegistration() = 0;
    virtual void showConnectionConfirmation() = 0;
    virtual void showWarn(CauseId cause) = 0;
    virtual void showWarn(InAppWarningKind warnKind) = 0;
    virtual void showIGONWarn(CauseId cause) = 0;
    virtual void showParkInActivation() = 0;
    virtual void showParkOutActivation() = 0;
    virtual void showParkOutCompleted() = 0;
    virtual void showParkInCompleted() = 0;
    virtual void showParkInCompletedForgetHazard() = 0;
    virtual void showConnectionCompletionForRegistration() = 0;
    virtual void showArrival() = 0;
    virtual void showOperating() = 0;
    virtual void showPlanParkIn() = 0;
    virtual void showPlanParkOut() = 0;
    virtual void showPlanForwardBackward() = 0;
    virtual void showRequestIDWaiting() = 0;
    virtual void showBlank() = 0;
    virtual void showFirstTutorialFlow() = 0;
    virtual void showFirstTutorialFlowFromSetting() = 0;
    virtual void showRegistrationDevices() = 0;
    virtual void showConnectingForRegistration() = 0;
    virtual void showRegistration() = 0;
    virtual void showDisclaimer() = 0;
    virtual void showTouchPreConfirmation() = 0;
    virtual void showGeofence() = 0;
    virtual void showConnecting() = 0;
    virtual void showSettings() = 0;
    virtual void showSettingsFirstRegistration() = 0;
    virtual void showSettingsDeleteDevices() = 0;
    virtual void showSettingsEditDevices() = 0;
    virtual void showSettingsOperationHistory() = 0;
    virtual void showTutorialConnecting() = 0;
    virtual void showTutorialParkIn() = 0;
    virtual void showTutorialParkOut() = 0;
    virtual void showTutorialMovie() = 0;
    // Pushes the tutorial menu on the top-most stack; no screen opens it yet.
    virtual void showTutorialMenu() = 0;

    // The top-most navigation controller presented from `navigationController`, following presented
    // navigation controllers only.
    virtual ui::NavigationController& getTopNavigationController(ui::NavigationController& navigationController) const = 0;
    // No screen counts as shown, and the framework hears again the display of the last screen
    // shown outside the settings menu.
    virtual void resetDispID() = 0;
    // Back to the first screen of the embedding entry's stack.
    virtual void popToRootViewController() = 0;
    // Back to the first screen of the given stack, dismissing what it presents.
    virtual void popToRootViewController(ui::NavigationController& navigationController) = 0;
};

} // namespace tolvane::app

template <>
struct foundation::EnumCases<tolvane::app::DisplayType> {
    using E = tolvane::app::DisplayType;
    static constexpr std::array all{
        E::none,          E::firstRegistration, E::connectionConfirmation, E::settings,
        E::warn,          E::IGOnWarn,          E::activation,             E::parkOutCompleted,
        E::parkInCompleted, E::connectionCompletionForRegistration,        E::arrival,
        E::planConfirmation, E::operating,      E::requestIdWaiting,       E::blank,
        E::firstTutorialFlow, E::registrationDevices, E::connectingForRetistration, E::registration,
        E::connecting,    E::disclaimer,        E::geofence,               E::touchPreConfirmation,
    };
};
