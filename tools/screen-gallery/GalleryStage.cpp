#include "GalleryStage.h"

#include "Class/UI/Base/View/TolvaneBaseViewController.h"

#include "Class/UI/StandIn/StandInViewModel.h"

#include "ui/Label.h"
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
    labelStandIn(storyboard);
    return true;
}

void GalleryStage::labelStandIn(const std::string& storyboard)
{
    const auto standIn = viewModel<tolvane::app::StandInViewModel>();
    if (!standIn)
        return;
    const ui::Rect bounds = shown_->view().bounds();
    auto caption = std::make_shared<ui::Label>(ui::Rect{24, bounds.size.height / 2 - 40, bounds.size.width - 48, 80});
    caption->setText((standIn->screenName().empty() ? storyboard : standIn->screenName()) + "\n(stand-in)");
    caption->setNumberOfLines(2);
    caption->setTextAlignment(ui::TextAlignment::center);
    caption->setFont(ui::Font::systemFont(20, ui::FontWeight::semibold));
    caption->setTextColor(ui::Color::rgb255(0x8A, 0x94, 0xA6));
    shown_->view().addSubview(caption);
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
