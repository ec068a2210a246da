#include "Class/UI/FirstRegistration/View/FirstRegistrationViewController.h"

#include "Class/Model/RunExit.h"
#include "Class/UI/Base/View/ScreenElements.h"
#include "Class/UI/Base/View/TextLanguages.h"

#include "R.h"

#include "ui/Button.h"
#include "ui/ImageView.h"
#include "ui/Label.h"
#include "ui/View.h"

namespace tolvane::app {

void FirstRegistrationViewController::loadView()
{
    const ui::Rect area = ScreenElements::contentArea();
    auto root = ScreenElements::groundView();
    const double width = area.size.width - 48;
    registerLabel = ScreenElements::label({24, area.minY() + 48, width, 96}, 22, ui::FontWeight::semibold);
    root->addSubview(ScreenElements::picture({area.midX() - 56, area.minY() + 176, 112, 112}, ScreenElements::asset("icon_vehicle", {112, 112})));
    pairingLabel = ScreenElements::label({24, area.minY() + 312, width, 48}, 16, ui::FontWeight::regular, ScreenElements::muted());
    registCompleteBtn = ScreenElements::secondaryButton({24, area.maxY() - 72, width, 52});
    addPairingBtn = ScreenElements::primaryButton({24, area.maxY() - 140, width, 52});
    addPairingBtn->addTarget(ui::ControlEvent::touchUpInside, [this](ui::Control&) { onTapAddVehicleButton(); });
    registCompleteBtn->addTarget(ui::ControlEvent::touchUpInside, [this](ui::Control&) { tapRegistComplete(); });
    for (const auto& view : std::initializer_list<std::shared_ptr<ui::View>>{registerLabel, pairingLabel, addPairingBtn, registCompleteBtn})
        root->addSubview(view);
    setView(root);
}

void FirstRegistrationViewController::viewDidLoad()
{
    ScreenViewController::viewDidLoad();
    const auto languages = textLanguages();
    registerLabel->setText(R::string::localizable::FirstRegistration_Register(languages));
    pairingLabel->setText(R::string::localizable::FirstRegistration_Pairing(languages));
    addPairingBtn->setTitle(R::string::localizable::FirstRegistration_AddCar(languages), addPairingBtn->state());
    registCompleteBtn->setTitle(R::string::localizable::FirstRegistration_Finish(languages), registCompleteBtn->state());
    std::weak_ptr<FirstRegistrationViewController> weak = std::static_pointer_cast<FirstRegistrationViewController>(shared_from_this());
    cancellables.insert(viewModel->actionPublisher().sink([weak](const IFirstRegistrationViewModel::Action& action) {
        const auto self = weak.lock();
        if (const auto* layout = std::get_if<FirstRegistrationAction::setButtonLayout>(&action); self && layout)
            self->registCompleteBtn->setHidden(!layout->hasCarRecord);
    }));
    viewModel->updateButtonLayout();
}

void FirstRegistrationViewController::viewWillAppear(bool animated)
{
    ScreenViewController::viewWillAppear(animated);
    navigationItem().setTitleView(ScreenElements::navigationTitle(R::string::localizable::FirstRegistration_Register(textLanguages())));
}

void FirstRegistrationViewController::onTapAddVehicleButton()
{
    viewModel->addVehicle();
}

void FirstRegistrationViewController::tapRegistComplete()
{
    viewModel->finishRegistration();
}

void FirstRegistrationViewController::tapNavigationButtonLeave()
{
    closeRunAndLeave(EventCode::E003, baseViewModel);
}

} // namespace tolvane::app
