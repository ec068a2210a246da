#pragma once

#include "Class/UI/Geofence/View/GeofenceDialog.h"

#include <memory>

namespace ui {
class View;
}

namespace tolvane::app {

class GeofencePopupViewController;
class GeofenceViewController;

// The "Geofence" storyboard: the check screen as its initial scene and the four pop-ups by their
// identifiers "WarningAreaPop", "CautionAreaPop", "FailedGPSPop" and "LocationUsePermitPop".
class GeofenceStoryboard {
public:
    static void registerScenes();
    // The pop-up scene of `kind`, through the container's injection.
    static std::shared_ptr<GeofencePopupViewController> instantiatePopup(GeofenceDialog kind);

    // The view trees the controllers load, with their outlets and actions connected.
    static std::shared_ptr<ui::View> checkScene(GeofenceViewController& screen);
    static std::shared_ptr<ui::View> popupScene(GeofencePopupViewController& popup);
};

} // namespace tolvane::app
