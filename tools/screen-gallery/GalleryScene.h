#pragma once

#include <functional>
#include <string>
#include <vector>

namespace screen_gallery {

class GalleryStage;

// One state of one storyboard as the gallery shows it: the storyboard's name, the state's name
// (both go into the file name "<storyboard>-<state>@<n>x.png") and how to bring the shown screen
// into that state. `feed` runs after the screen is on the window; it may replay recorded vehicle
// frames or set the view model, and the stage then advances virtual time by `settleSeconds`.
struct GalleryScene {
    std::string storyboard;
    std::string state;
    std::function<void(GalleryStage&)> feed = {};
    double settleSeconds = 1.0;
};

// Every registered scene, in registration order of the areas' tables.
std::vector<GalleryScene>& registeredScenes();

// Adds a screen area's table of scenes; one static instance per area's file.
struct GalleryScenes {
    GalleryScenes(std::initializer_list<GalleryScene> scenes);
};

} // namespace screen_gallery
