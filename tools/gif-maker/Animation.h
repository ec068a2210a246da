#pragma once

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

class QPainter;

namespace gif_maker {

// One animated picture: its resource name ("<name>.gif"), its size in pixels, each frame's delay in
// hundredths of a second, and the function that draws frame `index` onto a cleared canvas.
struct Animation {
    std::string name;
    int width = 0;
    int height = 0;
    std::vector<int> delays;
    std::function<void(QPainter&, int index)> drawFrame;
};

// Every registered animation, in registration order of the areas' files.
std::vector<Animation>& registeredAnimations();

// Adds a screen area's animations; one static instance per file in animations/.
struct Animations {
    Animations(std::initializer_list<Animation> animations);
};

} // namespace gif_maker
