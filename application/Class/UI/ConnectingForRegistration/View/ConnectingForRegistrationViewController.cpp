#include "Class/UI/ConnectingForRegistration/View/ConnectingForRegistrationViewController.h"

#include "Class/Model/Terminal/TerminalStore.h"
#include "Class/Model/Utility/LibraryBundle.h"
#include "Class/TolvaneIntegrationAppHelper.h"
#include "Class/UI/Base/View/CustomAlertAction.h"
#include "Class/UI/Base/View/CustomAlertController.h"
#include "Class/UI/Base/View/GifImage.h"
#include "Class/UI/Base/View/PopupTransition.h"
#include "Class/UI/Base/View/TextLanguages.h"
#include "Class/UI/Base/ViewModel/IBaseViewModel.h"
#include "Class/UI/ConnectingForRegistration/View/ConnectingForRegistrationView.h"

#include "R.h"

#include "foundation/Bundle.h"
#include "ui/ImageView.h"
#include "ui/Label.h"
#include "ui/NavigationController.h"

#include <QFile>

namespace tolvane::app {
namespace {

// Shown under the unit's name, as written (no translation).
constexpr const char* WAIT_TEXT = "请等待60秒";

} // namespace

void ConnectingForRegistrationViewController::loadView()
{
    auto root = std::make_shared<ConnectingForRegistrationView>();
    deviceName = root->deviceName.get();
    BTConnect = root->BTConnect.get();
    registrationInfo = root->registrationInfo.get();
    registrationDecription = root->registrationDecription.get();
    setView(root);
}

void ConnectingForRegistrationViewController::viewDidLoad()
{
    ScreenViewController::viewDidLoad();
    cancellables.insert(viewModel->actionPublisher().sink(whileAlive(this, &ConnectingForRegistrationViewController::apply)));
    startConnectingAnimation();
    viewModel->setTerminalInfo();
}

void ConnectingForRegistrationViewController::startConnectingAnimation()
{
    const auto path = libraryBundle()->pathForResource("BT_icon_spec", "gif");
    if (!path)
        return;
    QFile file(QString::fromStdString(*path));
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QByteArray bytes = file.readAll();
    GifImage::setGifImage(*BTConnect, foundation::Bytes(bytes.begin(), bytes.end()));
}

void ConnectingForRegistrationViewController::apply(const IConnectingForRegistrationViewModel::Action& action)
{
    using Action = IConnectingForRegistrationViewModel::Action;
    if (const auto* command = std::get_if<Action::setDeviceName>(&action.value))
        setTexts(command->name);
    else if (std::holds_alternative<Action::showConnectionFailure>(action.value))
        showConnectionFailedAlert();
}

void ConnectingForRegistrationViewController::setTexts(const std::string& name)
{
    registrationDecription->setText(R::string::localizable::ConnectingForRegistration_Connecting_Infomation(textLanguages()));
    deviceName->setText(name + "\n" + WAIT_TEXT);
}

void ConnectingForRegistrationViewController::showConnectionFailedAlert()
{
    const auto languages = textLanguages();
    auto alert = std::make_shared<CustomAlertController>(R::string::localizable::ConnectingForRegistration_ConnectingConfirm_2nd(languages),
                                                         R::string::localizable::ConnectingForRegistration_ConnectingConfirm_1st(languages),
                                                         CustomAlertControlerStyle::alertUpDown);
    std::weak_ptr<IBaseViewModel> weakModel = baseViewModel;
    alert->addAction(std::make_shared<CustomAlertAction>(R::string::localizable::ConnectingForRegistration_BackButton(languages),
                                                         CustomAlertControllerAction::defaultAction, [weakModel](CustomAlertAction&) {
                                                             TolvaneIntegrationAppHelper::sendStatisticsEvent(
                                                                 "tirmalunesko/qingxuanzeqitacheliang/alert/queding");
                                                             if (auto model = weakModel.lock())
                                                                 model->popTopViewController();
                                                         }));
    alert->setModalPresentationStyle(ui::ModalPresentationStyle::custom);
    alert->setTransitioningDelegate(popupTransition());
    present(alert, true);
}

void ConnectingForRegistrationViewController::tapNavigationButtonLeave()
{
    TerminalStore::shared()->shutdownTerminal([] {});
    if (auto* navigation = navigationController())
        navigation->popViewController(true);
}

void ConnectingForRegistrationViewController::viewWillDisappear(bool animated)
{
    ScreenViewController::viewWillDisappear(animated);
    viewModel->stopResponseWaitingTimer();
}

void ConnectingForRegistrationViewController::clearStackAlert()
{
    ScreenViewController::clearStackAlert();
    viewModel->stopResponseWaitingTimer();
}

} // namespace tolvane::app
