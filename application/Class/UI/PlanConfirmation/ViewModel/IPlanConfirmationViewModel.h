#pragma once

#include "Class/UI/PlanConfirmation/ViewModel/PlanConfirmationAction.h"

#include "Internal/Model/PlanForwardBackwardDirection.h"
#include "Internal/Model/PlanParkInDirection.h"
#include "Internal/Model/PlanParkOutDirection.h"
#include "Internal/Model/RequiredDisplayId.h"
#include "rx/Publisher.h"
#include "rx/Subject.h"

#include <memory>
#include <optional>

namespace tolvane {
class IVehicleStateData;
}

namespace tolvane::app {

// The plan confirmation's view model as its screen and its previews see it.
class IPlanConfirmationViewModel {
public:
    virtual ~IPlanConfirmationViewModel() = default;

    // Commands to the screen; the screen publishes its own freezing and dismissal here too.
    virtual rx::Published<PlanConfirmationAction>& action() = 0;
    // True while any plan kind has a selected direction; a new subscriber gets the current value.
    virtual rx::Publisher<bool> isSelectedDestination() const = 0;
    virtual rx::CurrentValueSubject<std::optional<PlanParkInDirection>>& selectedParkInDestination() = 0;
    virtual rx::CurrentValueSubject<std::optional<PlanParkOutDirection>>& selectedParkOutDestination() = 0;
    virtual rx::CurrentValueSubject<std::optional<PlanForwardBackwardDirection>>& selectedForwardBackwardDestination() = 0;
    virtual std::optional<PopupKind>& presentedPopupKind() = 0;
    virtual bool& isLockingDisplay() = 0;
    virtual const std::shared_ptr<IVehicleStateData>& vehicleStateData() const = 0;
    // The stop confirmation is up: the previews ignore plan records meanwhile.
    virtual bool isStopConfirmationShown() const = 0;

    // Sends the selected plan to the vehicle.
    virtual void decide() = 0;
    // Lets the previews play again and follows the vehicle's plan display.
    virtual void unlockDisplay() = 0;
    // The obstacle flag of a park-in or forward/backward plan record.
    virtual void updateObstaclePopup(bool isObstacle, RequiredDisplayId displayId) = 0;
};

} // namespace tolvane::app
