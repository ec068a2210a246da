#pragma once

#include "Class/UI/Base/ViewModel/BaseAction.h"

#include "rx/Publisher.h"

namespace ui {
class NavigationController;
}

namespace tolvane::app {

// What a screen holds of its view model.
class IBaseViewModel {
public:
    virtual ~IBaseViewModel() = default;

    // Hands over its current command at once, then every later one.
    virtual rx::Publisher<BaseAction> baseActionPublisher() const = 0;
    // The terminal store's: the application is in the background with the link in use.
    virtual bool isBackground() const = 0;
    virtual bool isWaitingAfterResume() const = 0;
    virtual bool showsStackedAlerts() const = 0;
    virtual void updateShowStopConfirmation(bool isShowStopConfirmation) = 0;
    // The binding made each time the screen is about to be shown.
    virtual void addTransitToBlankObserver() = 0;
    virtual void setupNavigationBar() = 0;
    virtual void displayWarnConfirmation(InAppWarningKind appWarningKind) = 0;
    // Leaves the feature from inside the application.
    virtual void exitAppCycle() = 0;
    virtual void popTopViewController() = 0;
    virtual void popToRootViewController(ui::NavigationController& navigationController) = 0;
    // Ends every subscription of the view model.
    virtual void clearCancellables() = 0;
    virtual void showSettings() = 0;
    // Called each time the screen is about to be shown.
    virtual void willAppear() = 0;
    // Called when the screen is hidden.
    virtual void resetBaseAction() = 0;
};

} // namespace tolvane::app
