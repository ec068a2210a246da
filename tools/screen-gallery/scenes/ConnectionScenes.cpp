// The gallery's table for the screens on the road from the start of a run to the link: the first
// screen, first registration, the disclaimer, connecting, the vehicle choice, the wait for the
// vehicle's request, activation and arrival.

#include "GalleryScene.h"

namespace screen_gallery {
namespace {

const GalleryScenes connectionScenes{
    {"PreConfirmation", "initial"},
    {"FirstRegistration", "initial"},
    {"Disclaimer", "initial"},
    {"Connecting", "initial"},
    {"ConnectionConfirmation", "initial"},
    {"RequestIdWaiting", "initial"},
    {"Arrival", "initial"},
    {"Activation", "initial"},
};

} // namespace
} // namespace screen_gallery
