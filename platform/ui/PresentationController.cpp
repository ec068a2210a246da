#include "ui/PresentationController.h"

#include "ui/View.h"
#include "ui/ViewController.h"

namespace ui {

PresentationController::PresentationController(ViewController& presented, ViewController* presenting)
    : presented_(presented), presenting_(presenting)
{
}

PresentationController::~PresentationController() = default;

View* PresentationController::presentedView() const
{
    return presented_.isViewLoaded() ? &presented_.view() : nullptr;
}

Rect PresentationController::frameOfPresentedViewInContainerView() const
{
    return container_ ? container_->bounds() : Rect{};
}

} // namespace ui
