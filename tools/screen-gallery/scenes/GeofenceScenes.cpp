// The gallery's table for the geofence check and its four pop-ups.

#include "GalleryScene.h"
#include "GalleryStage.h"

#include "Class/UI/Geofence/View/GeofenceViewController.h"

#include "location/LocationServices.h"
#include "location/ScriptedPositionSource.h"

namespace screen_gallery {
namespace {

using tolvane::app::GeofenceDialog;
using tolvane::app::GeofenceViewController;

// The gallery's position never comes, so the check stays on its spinner until its time-out.
[[maybe_unused]] const auto silentSource = location::setPositionSource(std::make_shared<location::ScriptedPositionSource>());

// The check stops listening, and the pop-up of `kind` comes up over it.
std::function<void(GalleryStage&)> popup(GeofenceDialog kind)
{
    return [kind](GalleryStage& stage) {
        auto geofence = stage.shownController<GeofenceViewController>();
        geofence->model.delegateEnableFLag = false;
        geofence->showPopup(kind);
    };
}

const GalleryScenes geofenceScenes{
    {"Geofence", "checking", {}, 0.25},
    {"Geofence", "warning-area", popup(GeofenceDialog::warningArea)},
    {"Geofence", "caution-area", popup(GeofenceDialog::cautionArea)},
    {"Geofence", "failed-gps", popup(GeofenceDialog::failedGPS)},
    {"Geofence", "location-permission", popup(GeofenceDialog::locationUsePermit)},
};

} // namespace
} // namespace screen_gallery
