#pragma once

#include "bluetooth/PowerState.h"
#include "rx/Publisher.h"

#include <functional>
#include <variant>

namespace tolvane::app {

class IDataController;

// What the pre-confirmation view model asks of its screen, in case order.
struct PreConfirmationAction {
    struct setHistoryData {
        IDataController* dataController;
    };
    struct setIsBatteryMonitoringEnabled {
        bool isBatteryMonitoringEnabled;
    };
    struct none {};
    struct appendBluetoothPermissionAlert {};
    struct appendBluetoothAlert {};
    struct appendBatteryAlert {};
    struct appendAppVersionAlert {};
    struct doPreConfirmation {};
    struct didBecomeActive {};

    using Case = std::variant<setHistoryData, setIsBatteryMonitoringEnabled, none, appendBluetoothPermissionAlert, appendBluetoothAlert,
                              appendBatteryAlert, appendAppVersionAlert, doPreConfirmation, didBecomeActive>;
};

// The pre-confirmation view model as its screen sees it. Main thread only.
class IPreConfirmationViewModel {
public:
    using Action = PreConfirmationAction::Case;

    virtual ~IPreConfirmationViewModel() = default;

    virtual rx::Publisher<Action> actionPublisher() const = 0;
    // Sets the action without a check having run (the screen left the display).
    virtual void resetAction() = 0;

    // Start-up housekeeping, when the screen is first shown.
    virtual void initializeData() = 0;
    // Runs the checks now, or when the first 1.0 s since the start have passed.
    virtual void requestPreConfirmation() = 0;
    // Routes on when the checks passed, not before 2.0 s since the start.
    virtual void transitionAfterPreConfirmation() = 0;
    virtual void restartMonitoring() = 0;
    virtual void stopMonitoring() = 0;

    virtual void setCentralState(bt::PowerState state) = 0;
    // A new wait begins now (the checks are restarted).
    virtual void restartStartDate() = 0;
    // The user closed the version alert: no store lookup for the rest of this screen's life.
    virtual void stopDisplayingVersionDialog() = 0;
};

} // namespace tolvane::app
