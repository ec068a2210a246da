#include "Class/UI/ParkInCompleted/View/ParkInCompletedViewController.h"

#include "Class/TolvaneIntegrationAppHelper.h"
#include "Class/UI/Base/View/ScreenElements.h"
#include "Class/UI/Base/View/TextLanguages.h"
#include "Class/UI/Base/ViewModel/IBaseViewModel.h"
#include "Class/UI/ParkInCompleted/View/ParkInCompletedScene.h"

#include "R.h"

#include "foundation/FatalError.h"
#include "ui/ActivityIndicatorView.h"
#include "ui/AffineTransform.h"
#include "ui/Button.h"
#include "ui/ImageView.h"
#include "ui/Label.h"

namespace tolvane::app {

void ParkInCompletedViewController::loadView()
{
    ParkInCompletedScene::build(*this);
}

void ParkInCompletedViewController::viewDidLoad()
{
    TolvaneBaseViewController::viewDidLoad();
    if (!viewModel)
        foundation::fatalError("ParkInCompletedViewController has no view model");
    std::weak_ptr<ParkInCompletedViewController> weak = std::static_pointer_cast<ParkInCompletedViewController>(shared_from_this());
    cancellables.insert(viewModel->action().sink([weak](const ParkInCompletedAction& action) {
        if (auto self = weak.lock())
            self->apply(action);
    }));
    processIndicatorView->setTransform(ui::AffineTransform::scale(1.5, 1.5));
    processIndicatorView->startAnimating();
    exitButton->setHidden(true);
    actionLabel->setHidden(true);
    const auto languages = textLanguages();
    titleLabel->setText(R::string::localizable::ParkInCompleted_TitleLabel_Process(languages));
    actionLabel->setText(R::string::localizable::ParkInForgetHazard_ActionLabel_Complete(languages));
    exitButton->setTitle(R::string::localizable::ParkInCompleted_ExitButton(languages), exitButton->state());
    viewModel->viewDidLoad();
}

void ParkInCompletedViewController::apply(const ParkInCompletedAction& action)
{
    if (const auto* image = std::get_if<ParkInCompletedAction::setCarImage>(&action.value))
        myCarImageView->setImage(ScreenElements::carPicture(image->carImagePath, "#Tolvane_VehicleIcon", myCarImageView->bounds().size));
    else if (const auto* hidden = std::get_if<ParkInCompletedAction::setIsHiddenActionLabel>(&action.value))
        actionLabel->setHidden(hidden->isHidden);
    else if (std::holds_alternative<ParkInCompletedAction::displayCompletedView>(action.value))
        displayCompletedView();
}

void ParkInCompletedViewController::displayCompletedView()
{
    processIndicatorView->stopAnimating();
    exitButton->setHidden(false);
    const auto languages = textLanguages();
    titleLabel->setText(R::string::localizable::ParkInCompleted_TitleLabel_Complete(languages));
    actionLabel->setText(R::string::localizable::ParkInForgetHazard_ActionLabel_Complete(languages));
}

void ParkInCompletedViewController::tapExitButton()
{
    TolvaneIntegrationAppHelper::sendStatisticsEvent("tirmalunesko/bocheyiwancheng/queding");
    leaveForHost();
}

} // namespace tolvane::app
