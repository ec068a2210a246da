#include "Class/UI/Arrival/View/ArrivalViewController.h"

#include "Class/Model/CarRecordStore.h"
#include "Class/UI/Base/View/ScreenElements.h"
#include "Class/UI/Base/View/TextLanguages.h"

#include "R.h"

#include "ui/ImageView.h"
#include "ui/Label.h"
#include "ui/View.h"

namespace tolvane::app {

void ArrivalViewController::loadView()
{
    const ui::Rect area = ScreenElements::contentArea();
    auto root = ScreenElements::groundView();
    const double width = area.size.width - 48;
    carImageView = ScreenElements::picture({24, area.minY() + 72, width, width * 0.75});
    announceLabel = ScreenElements::label({24, carImageView->frame().maxY() + 40, width, 72}, 22, ui::FontWeight::semibold);
    root->addSubview(carImageView);
    root->addSubview(announceLabel);
    setView(root);
}

void ArrivalViewController::viewDidLoad()
{
    ScreenViewController::viewDidLoad();
    std::weak_ptr<ArrivalViewController> weak = std::static_pointer_cast<ArrivalViewController>(shared_from_this());
    cancellables.insert(viewModel->actionPublisher().sink([weak](const IArrivalViewModel::Action& action) {
        const auto self = weak.lock();
        if (const auto* image = std::get_if<ArrivalAction::setCarImage>(&action); self && image)
            self->carImageView->setImage(ScreenElements::carPicture(image->carImagePath, "#Tolvane_VehicleIcon", self->carImageView->bounds().size));
    }));
    announceLabel->setText(R::string::localizable::Arrival_Announce(textLanguages()));
    const auto& selected = CarRecordStore::shared().selectedCarRecord;
    viewModel->setAction(ArrivalAction::setCarImage{selected ? std::optional(selected->CarImagePath) : std::nullopt});
}

void ArrivalViewController::tapNavigationButtonExit()
{
    viewModel->confirmExit();
}

} // namespace tolvane::app
