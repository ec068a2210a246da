#include "Class/UI/Activation/View/ActivationViewController.h"

#include "Class/TolvaneIntegrationAppHelper.h"
#include "Class/UI/Base/View/ScreenElements.h"
#include "Class/UI/Base/View/TextLanguages.h"

#include "R.h"

#include "foundation/LocalizedStrings.h"
#include "ui/Button.h"
#include "ui/ImageView.h"
#include "ui/Label.h"
#include "ui/View.h"

namespace tolvane::app {
namespace {

constexpr const char* POWER_ON_KEY = "tirmalunesko/lanyayilianjie/qidongcheliang";

} // namespace

void ActivationViewController::loadView()
{
    const ui::Rect area = ScreenElements::contentArea();
    auto root = ScreenElements::groundView();
    const double width = area.size.width - 48;
    carImageView = ScreenElements::picture({24, area.minY() + 40, width, width * 0.75});
    connectionSuccessLabel = ScreenElements::label({24, carImageView->frame().maxY() + 28, width, 84}, 19, ui::FontWeight::semibold);
    backButton = ScreenElements::secondaryButton({24, area.maxY() - 72, width, 52});
    startButton = ScreenElements::primaryButton({24, area.maxY() - 140, width, 52});
    powerOnButton = ScreenElements::primaryButton({24, area.maxY() - 140, width, 52});
    powerOnButton->setBackgroundColor(ui::Color::rgb255(0xFF, 0x5A, 0x4E));
    // The storyboard's title of the power-on button.
    powerOnButton->setTitle(R::string::localizable::Activation_PowerOn(textLanguages()), ui::ControlState::normal);
    startButton->addTarget(ui::ControlEvent::touchUpInside, [this](ui::Control&) { onTapActivateButton(); });
    powerOnButton->addTarget(ui::ControlEvent::touchUpInside, [this](ui::Control&) { onTapPowerOnButton(); });
    backButton->addTarget(ui::ControlEvent::touchUpInside, [this](ui::Control&) { onTapBack(); });
    for (const auto& view : std::initializer_list<std::shared_ptr<ui::View>>{carImageView, connectionSuccessLabel, startButton, powerOnButton,
                                                                             backButton})
        root->addSubview(view);
    setView(root);
}

void ActivationViewController::viewDidLoad()
{
    const auto languages = textLanguages();
    startButton->setHidden(true);
    powerOnButton->setHidden(true);
    startButton->setTitle(R::string::localizable::Activation_Start(languages), startButton->state());
    backButton->setTitle(R::string::localizable::Activation_Back(languages), backButton->state());
    powerOnButton->titleLabel().setTextAlignment(ui::TextAlignment::center);
    std::weak_ptr<ActivationViewController> weak = std::static_pointer_cast<ActivationViewController>(shared_from_this());
    cancellables.insert(viewModel->actionPublisher().sink([weak](const IActivationViewModel::Action& action) {
        if (const auto self = weak.lock())
            self->apply(action);
    }));
    viewModel->setAction(ActivationAction::none{});
    ScreenViewController::viewDidLoad();
    viewModel->startTimeoutCheck();
}

void ActivationViewController::viewWillAppear(bool animated)
{
    ScreenViewController::viewWillAppear(animated);
    navigationItem().setTitleView(ScreenElements::navigationTitle("Tolvane辅助"));
    viewModel->loadScreenContents();
}

void ActivationViewController::clearStackAlert()
{
    stackAlert.clear();
    viewModel->stopTimeoutCheck();
}

void ActivationViewController::apply(const IActivationViewModel::Action& action)
{
    if (const auto* name = std::get_if<ActivationAction::setConnectionSuccessLabel>(&action)) {
        carName = name->carName;
        setConnectionText();
    } else if (const auto* image = std::get_if<ActivationAction::setCarImage>(&action)) {
        carImageView->setImage(ScreenElements::carPicture(image->carImagePath, "#Tolvane_VehicleIcon", carImageView->bounds().size));
    } else if (const auto* buttons = std::get_if<ActivationAction::setButtonImage>(&action)) {
        isReceivedParkOut = buttons->isReceivedParkOut;
        startButton->setHidden(buttons->isReceivedParkOut);
        powerOnButton->setHidden(!buttons->isReceivedParkOut);
        setConnectionText();
    }
}

void ActivationViewController::setConnectionText()
{
    if (isReceivedParkOut.value_or(false)) {
        connectionSuccessLabel->setText("蓝牙已连接\n点击“启动车辆”开始泊车");
        return;
    }
    connectionSuccessLabel->setText(foundation::LocalizedStrings::format(
        R::string::localizable::Activation_Connection_Success(textLanguages()), {carName.value_or("")}));
}

void ActivationViewController::onTapActivateButton()
{
    TolvaneIntegrationAppHelper::sendStatisticsEvent("tirmalunesko/lanyayilianjie/kaishi");
    viewModel->requestStart();
}

void ActivationViewController::onTapPowerOnButton()
{
    TolvaneIntegrationAppHelper::sendStatisticsEvent(POWER_ON_KEY);
    viewModel->requestStart();
}

void ActivationViewController::onTapBack()
{
    // The host counts the change of car under the power-on button's key.
    TolvaneIntegrationAppHelper::sendStatisticsEvent(POWER_ON_KEY);
    viewModel->changeVehicle();
}

} // namespace tolvane::app
