#include "Class/UI/Connecting/View/ConnectingViewController.h"

#include "Class/Model/SelectedCarName.h"
#include "Class/UI/Base/View/CustomAlertController.h"
#include "Class/UI/Base/View/ScreenElements.h"
#include "Class/UI/Base/View/TextLanguages.h"

#include "R.h"

#include "foundation/LocalizedStrings.h"
#include "foundation/RunLoop.h"
#include "ui/Button.h"
#include "ui/ImageView.h"
#include "ui/Label.h"
#include "ui/View.h"

namespace tolvane::app {
namespace {

// A car's name as a title shows it: its spaces do not break, so a title too long for one line
// breaks before the name rather than inside it.
std::string unbrokenName(const std::string& name)
{
    std::string result;
    for (const char c : name)
        result += c == ' ' ? "\u00A0" : std::string(1, c);
    return result;
}

} // namespace

void ConnectingViewController::loadView()
{
    const ui::Rect area = ScreenElements::contentArea();
    auto root = ScreenElements::groundView();
    const double width = area.size.width - 48;
    connectingLabel = ScreenElements::label({24, area.minY() + 24, width, 64}, 22, ui::FontWeight::semibold);
    guideLabel = ScreenElements::label({24, area.minY() + 92, width, 48}, 15, ui::FontWeight::regular, ScreenElements::muted());
    smartKeyImage = ScreenElements::picture({area.midX() - 100, area.minY() + 152, 96, 120}, ScreenElements::asset("smartKey", {96, 120}));
    BTConnect = ScreenElements::picture({area.midX() + 8, area.minY() + 172, 96, 80});
    waitLabel = ScreenElements::label({24, area.minY() + 296, width, 24}, 15, ui::FontWeight::medium);
    carPlayLabel = ScreenElements::label({24, area.minY() + 332, width, 96}, 14, ui::FontWeight::regular, ScreenElements::muted());
    appendLabel = ScreenElements::label({24, area.minY() + 440, width, 48}, 15, ui::FontWeight::medium);
    appendLabel->setHidden(true);
    backButton = ScreenElements::secondaryButton({24, area.maxY() - 72, width, 52});
    endButton = ScreenElements::primaryButton({24, area.maxY() - 72, width, 52});
    backButton->addTarget(ui::ControlEvent::touchUpInside, [this](ui::Control&) { onTapBackButton(); });
    endButton->addTarget(ui::ControlEvent::touchUpInside, [this](ui::Control&) { onTapEndButton(); });
    for (const auto& view : std::initializer_list<std::shared_ptr<ui::View>>{connectingLabel, guideLabel, smartKeyImage, BTConnect, waitLabel,
                                                                             carPlayLabel, appendLabel, backButton, endButton})
        root->addSubview(view);
    setView(root);
}

void ConnectingViewController::viewDidLoad()
{
    ScreenViewController::viewDidLoad();
    const auto languages = textLanguages();
    backButton->setTitle(R::string::localizable::Connecting_Back(languages), backButton->state());
    endButton->setTitle(R::string::localizable::Connecting_End(languages), endButton->state());
    carPlayLabel->setText(R::string::localizable::Connecting_Infomation(languages));
    waitLabel->setText(R::string::localizable::Connecting_Description(languages));
    appendLabel->setText(R::string::localizable::Connecting_App_End(languages));
}

void ConnectingViewController::viewWillAppear(bool animated)
{
    ScreenViewController::viewWillAppear(animated);
    setNavigationBarLeftButton();
    std::weak_ptr<ConnectingViewController> weak = std::static_pointer_cast<ConnectingViewController>(shared_from_this());
    cancellables.insert(viewModel->actionPublisher().sink([weak](const IConnectingViewModel::Action& action) {
        if (const auto self = weak.lock())
            self->apply(action);
    }));
    backButton->setHidden(false);
    endButton->setHidden(true);
    ScreenElements::showLibraryGif(*BTConnect, "BT_icon_spec");
    if (!hasAppeared_) {
        // A screen pushed anew waits afresh; its own later appearances keep a time-out.
        hasAppeared_ = true;
        viewModel->beginNewScreen();
    }
    viewModel->startConnecting();
}

void ConnectingViewController::viewWillDisappear(bool animated)
{
    ScreenViewController::viewWillDisappear(animated);
    viewModel->removeStopConfirmation();
    viewModel->releaseTimer();
}

void ConnectingViewController::clearStackAlert()
{
    stackAlert.clear();
    viewModel->removeStopConfirmation();
    viewModel->releaseTimer();
}

void ConnectingViewController::apply(const IConnectingViewModel::Action& action)
{
    if (const auto* title = std::get_if<ConnectingAction::setConnectingLabel>(&action))
        connectingLabel->setText(title->text);
    else if (const auto* guide = std::get_if<ConnectingAction::setGuideLabel>(&action))
        guideLabel->setText(guide->text);
    else if (std::holds_alternative<ConnectingAction::changeViewAlert>(action))
        showTimeoutAlert();
}

void ConnectingViewController::showTimeoutAlert()
{
    const auto languages = textLanguages();
    connectingLabel->setText(foundation::LocalizedStrings::format(R::string::localizable::Connecting_Timeout_Title(languages), {unbrokenName(selectedCarName())}));
    guideLabel->setText(R::string::localizable::Connecting_Timeout_Description(languages));
    carPlayLabel->setText(R::string::localizable::Connecting_Timeout_Infomation(languages));
    waitLabel->setHidden(true);
    appendLabel->setHidden(false);
    // The hints move up into the room the pictures leave.
    const ui::Rect hints = carPlayLabel->frame();
    carPlayLabel->setFrame({hints.minX(), guideLabel->frame().maxY() + 24, hints.size.width, hints.size.height});
    const ui::Rect closing = appendLabel->frame();
    appendLabel->setFrame({closing.minX(), carPlayLabel->frame().maxY() + 16, closing.size.width, closing.size.height});
    smartKeyImage->setHidden(true);
    BTConnect->setHidden(true);
    backButton->setHidden(true);
    endButton->setHidden(false);
    if (auto* alert = dynamic_cast<CustomAlertController*>(presentedViewController()))
        alert->dismiss(false);
}

void ConnectingViewController::onTapBackButton()
{
    viewModel->cancelConnecting();
}

void ConnectingViewController::tapNavigationButtonLeave()
{
    viewModel->cancelConnecting();
}

void ConnectingViewController::onTapEndButton()
{
    std::weak_ptr<IConnectingViewModel> weak = viewModel;
    foundation::RunLoop::main().post([weak] {
        if (const auto model = weak.lock())
            model->endConnecting();
    });
}

} // namespace tolvane::app
