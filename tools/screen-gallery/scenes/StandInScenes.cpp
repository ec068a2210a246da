// The gallery's table for the screens that are still stand-ins: each shows what it stands for.
// A screen built for real moves its row to its own area's file (see BlankScenes.cpp for how).

#include "GalleryScene.h"

namespace screen_gallery {
namespace {

const GalleryScenes standInScenes{
    {"PlanConfirmation", "initial"},
    {"ParkOutCompleted", "initial"},
    {"ParkInCompleted", "initial"},
    {"TouchPreConfirmation", "initial"},
};

} // namespace
} // namespace screen_gallery
