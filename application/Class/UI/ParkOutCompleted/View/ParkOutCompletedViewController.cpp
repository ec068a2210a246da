#include "Class/UI/ParkOutCompleted/View/ParkOutCompletedViewController.h"

#include "Class/TolvaneIntegrationAppHelper.h"
#include "Class/UI/Base/View/ScreenElements.h"
#include "Class/UI/Base/View/TextLanguages.h"
#include "Class/UI/ParkOutCompleted/View/ParkOutCompletedScene.h"

#include "R.h"

#include "foundation/FatalError.h"
#include "ui/Button.h"
#include "ui/ImageView.h"
#include "ui/Label.h"

namespace tolvane::app {

void ParkOutCompletedViewController::loadView()
{
    ParkOutCompletedScene::build(*this);
}

void ParkOutCompletedViewController::viewDidLoad()
{
    TolvaneBaseViewController::viewDidLoad();
    if (!viewModel)
        foundation::fatalError("ParkOutCompletedViewController has no view model");
    std::weak_ptr<ParkOutCompletedViewController> weak = std::static_pointer_cast<ParkOutCompletedViewController>(shared_from_this());
    cancellables.insert(viewModel->action().sink([weak](const ParkOutCompletedAction& action) {
        auto self = weak.lock();
        if (const auto* image = std::get_if<ParkOutCompletedAction::setCarImage>(&action.value); self && image)
            self->myCarImageView->setImage(
                ScreenElements::carPicture(image->carImagePath, "#Tolvane_VehicleIcon", self->myCarImageView->bounds().size));
    }));
    const auto languages = textLanguages();
    titleLabel->setText(R::string::localizable::ParkOutCompleted_TitleLabel(languages));
    exitButton->setTitle(R::string::localizable::ParkOutCompleted_ExitButton(languages), exitButton->state());
    viewModel->viewDidLoad();
}

void ParkOutCompletedViewController::tapExitButton()
{
    TolvaneIntegrationAppHelper::sendStatisticsEvent("tirmalunesko/bocheyiwancheng/queding");
    viewModel->exit();
}

} // namespace tolvane::app
