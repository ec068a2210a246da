#include "Class/UI/Tutorial/View/TutorialStoryboardFlowViewController.h"

#include "Class/UI/Tutorial/View/Outlet.h"
#include "Class/UI/Tutorial/View/TutorialScenes.h"
#include "Class/UI/Tutorial/View/TutorialStepIndicator.h"

#include "ui/StoryboardRegistry.h"

namespace tolvane::app {

TutorialStoryboardFlowViewController::TutorialStoryboardFlowViewController(std::vector<std::string> pageStoryboards)
    : pageStoryboards_(std::move(pageStoryboards))
{
}

ui::ScrollView& TutorialStoryboardFlowViewController::carousel() const
{
    return outlet(carouselView);
}

TutorialStepIndicator& TutorialStoryboardFlowViewController::stepIndicator() const
{
    return outlet(stepIndicatorView);
}

void TutorialStoryboardFlowViewController::loadView()
{
    TutorialScenes::build(*this);
}

void TutorialStoryboardFlowViewController::loadPage(int index)
{
    if (index >= 0 && index < static_cast<int>(pageStoryboards_.size())) {
        checkSlot(index);
        // Replaces whatever the slot held; the flow only loads empty slots.
        pageControllers[static_cast<size_t>(index)] =
            ui::StoryboardRegistry::shared().instantiateInitialViewController(pageStoryboards_[static_cast<size_t>(index)]);
    }
    TutorialFlowViewController::loadPage(index);
}

} // namespace tolvane::app
