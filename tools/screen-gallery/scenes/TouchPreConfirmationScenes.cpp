// The gallery's table for the touch test.

#include "GalleryScene.h"

#include "Class/UI/TouchPreConfirmation/View/ScratchPicture.h"

namespace screen_gallery {
namespace {

// The picture under the grid is drawn at random; the gallery always draws the normal one.
const bool normalPicture = [] {
    tolvane::app::ScratchPicture::setRandomSource([] { return 0; });
    return true;
}();

const GalleryScenes touchPreConfirmationScenes{
    {"TouchPreConfirmation", "at-rest"},
};

} // namespace
} // namespace screen_gallery
