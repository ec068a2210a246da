// The gallery's table for the park-in and park-out completed screens.

#include "GalleryScene.h"
#include "GalleryStage.h"

namespace screen_gallery {
namespace {

const GalleryScenes completedScenes{
    {"ParkInCompleted", "finished"},
    // The first request brings the router's own screen; the repeat reaches its view model.
    {"ParkInCompleted", "hazard-lamps",
     [](GalleryStage& stage) {
         stage.publishDisplay(tolvane::RequiredDisplayId::COMPLETE_PARK_IN_FORGET_HAZARD, tolvane::CauseId::DEF);
         stage.advance(1.0);
         stage.publishDisplay(tolvane::RequiredDisplayId::COMPLETE_PARK_IN_FORGET_HAZARD, tolvane::CauseId::DEF);
     }},
    {"ParkOutCompleted", "finished"},
};

} // namespace
} // namespace screen_gallery
