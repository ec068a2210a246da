#pragma once

#include "Class/UI/Tutorial/ViewModel/TutorialMenuItem.h"

namespace tolvane::app {

// The tutorial menu's view model as its screen sees it.
class ITutorialMenuViewModel {
public:
    virtual ~ITutorialMenuViewModel() = default;
    // Opens the tutorial of that row; the empty row opens nothing.
    virtual void onSelectMenuItem(TutorialMenuItem item) = 0;
};

} // namespace tolvane::app
