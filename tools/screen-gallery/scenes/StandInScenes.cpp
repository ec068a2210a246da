// The gallery's table for the screens that are still stand-ins: each shows what it stands for.
// A screen built for real moves its row to its own area's file (see BlankScenes.cpp for how).

#include "GalleryScene.h"

namespace screen_gallery {
namespace {

const GalleryScenes standInScenes{
    {"PreConfirmation", "initial"},
    {"FirstRegistration", "initial"},
    {"Arrival", "initial"},
    {"PlanConfirmation", "initial"},
    {"Registration", "initial"},
    {"RegistrationDevices", "initial"},
    {"ParkOutCompleted", "initial"},
    {"ParkInCompleted", "initial"},
    {"OperationHistory", "initial"},
    {"ConnectionCompletionForRegistration", "initial"},
    {"DeleteDevices", "initial"},
    {"Connecting", "initial"},
    {"EditDevices", "initial"},
    {"Activation", "initial"},
    {"RequestIdWaiting", "initial"},
    {"TouchPreConfirmation", "initial"},
    {"ConnectingForRegistration", "initial"},
    {"Disclaimer", "initial"},
    {"ConnectionConfirmation", "initial"},
    {"Settings", "initial"},
};

} // namespace
} // namespace screen_gallery
