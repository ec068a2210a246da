#include "Class/UI/Tutorial/ViewModel/TutorialMenuItem.h"

namespace tolvane::app {

std::string_view caseName(TutorialMenuItem item)
{
    switch (item) {
#define TOLVANE_CASE(name, raw) \
    case TutorialMenuItem::name: \
        return #name;
        TOLVANE_TUTORIAL_MENU_ITEMS(TOLVANE_CASE)
#undef TOLVANE_CASE
    }
    return "Dummy";
}

} // namespace tolvane::app
