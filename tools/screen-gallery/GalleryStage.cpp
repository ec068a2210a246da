#include "GalleryStage.h"

#include "Class/UI/Base/View/TolvaneBaseViewController.h"

#include "ui/LayerRenderer.h"
#include "ui/NavigationController.h"

namespace screen_gallery {

using tolvane::app::BaseUINavigationController;
using tolvane::app::TolvaneIntegrationAppHelper;

bool GalleryStage::show(const std::string& storyboard)
{
    shown_ = ui::StoryboardRegistry::shared().instantiateInitialViewController(storyboard);
    if (!shown_)
        return false;
    std::shared_ptr<ui::NavigationController> navigation = std::dynamic_pointer_cast<ui::NavigationController>(shown_);
    if (!navigation) {
        stack = std::make_shared<BaseUINavigationController>(shown_);
        navigation = stack;
    } else {
        stack = std::dynamic_pointer_cast<BaseUINavigationController>(navigation);
    }
    if (stack)
        TolvaneIntegrationAppHelper::shared().navigationController = stack;
    window->setRootViewController(navigation);
    window->makeKeyAndVisible();
    settle();
    return true;
}

void GalleryStage::publishDisplay(tolvane::RequiredDisplayId displayId, tolvane::CauseId cause)
{
    publish(displayId, cause);
}

void GalleryStage::advance(double seconds)
{
    time.advance(seconds);
    time.runUntilIdle();
}

QImage GalleryStage::draw(double scale) const
{
    return ui::LayerRenderer().renderView(*window, scale);
}

std::shared_ptr<tolvane::app::IBaseViewModel> GalleryStage::shownViewModel() const
{
    const auto* controller = dynamic_cast<const tolvane::app::TolvaneBaseViewController*>(shown_.get());
    return controller ? controller->baseViewModel : nullptr;
}

} // namespace screen_gallery
