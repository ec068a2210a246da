#include "GalleryScene.h"

namespace screen_gallery {

std::vector<GalleryScene>& registeredScenes()
{
    static std::vector<GalleryScene> scenes;
    return scenes;
}

GalleryScenes::GalleryScenes(std::initializer_list<GalleryScene> scenes)
{
    registeredScenes().insert(registeredScenes().end(), scenes);
}

} // namespace screen_gallery
