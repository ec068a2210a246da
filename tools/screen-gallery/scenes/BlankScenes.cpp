// The gallery's table for the blank screen.
//
// How a screen area adds its states: copy this file to scenes/<Area>Scenes.cpp (it is picked up by
// the build on its own) and list one row per state:
//     {"<Storyboard name as in Storyboards.list>", "<state>", feed, settleSeconds}
// `feed` is optional and gets the GalleryStage with the screen already shown: publish a screen
// request with `stage.publishDisplay(id, cause)`, or set the screen's view model through
// `stage.viewModel<YourViewModel>()`. The stage then advances virtual time by `settleSeconds`
// (1 s if left out), so the pictures are the same on every run.

#include "GalleryScene.h"

namespace screen_gallery {
namespace {

const GalleryScenes blankScenes{
    {"Blank", "initial"},
};

} // namespace
} // namespace screen_gallery
