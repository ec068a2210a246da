#include "Animation.h"

namespace gif_maker {

std::vector<Animation>& registeredAnimations()
{
    static std::vector<Animation> animations;
    return animations;
}

Animations::Animations(std::initializer_list<Animation> animations)
{
    registeredAnimations().insert(registeredAnimations().end(), animations);
}

} // namespace gif_maker
