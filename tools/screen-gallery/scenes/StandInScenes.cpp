// The gallery's table for the screens that are still stand-ins: each shows what it stands for.
// A screen built for real moves its row to its own area's file (see BlankScenes.cpp for how).

#include "GalleryScene.h"

namespace screen_gallery {
namespace {

const GalleryScenes standInScenes{
    {"PreConfirmation", "initial"},
    {"TutorialParkOutFlow", "initial"},
    {"FirstRegistration", "initial"},
    {"TutorialParkInFlow", "initial"},
    {"TutorialConnectionFlow", "initial"},
    {"Arrival", "initial"},
    {"Registration", "initial"},
    {"RegistrationDevices", "initial"},
    {"OperationHistory", "initial"},
    {"ConnectionCompletionForRegistration", "initial"},
    {"DeleteDevices", "initial"},
    {"Connecting", "initial"},
    {"EditDevices", "initial"},
    {"Activation", "initial"},
    {"FirstTutorialFlow", "initial"},
    {"RequestIdWaiting", "initial"},
    {"TutorialMovieFlow", "initial"},
    {"ConnectingForRegistration", "initial"},
    {"Disclaimer", "initial"},
    {"ConnectionConfirmation", "initial"},
    {"Settings", "initial"},
};

} // namespace
} // namespace screen_gallery
