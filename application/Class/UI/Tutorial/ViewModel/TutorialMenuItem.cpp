#include "Class/UI/Tutorial/ViewModel/TutorialMenuItem.h"

namespace tolvane::app {

std::string_view caseName(TutorialMenuItem item)
{
    switch (item) {
    case TutorialMenuItem::Connection: return "Connection";
    case TutorialMenuItem::ParkIn: return "ParkIn";
    case TutorialMenuItem::ParkOut: return "ParkOut";
    case TutorialMenuItem::Movie: return "Movie";
    case TutorialMenuItem::Dummy: return "Dummy";
    }
    return "Dummy";
}

} // namespace tolvane::app
