#include "Class/UI/PreConfirmation/View/PreConfirmationViewController.h"

#include "Class/Model/CurrentHistoryId.h"
#include "Class/Model/EventStack.h"
#include "Class/Model/IDataController.h"
#include "Class/Model/RunExit.h"
#include "Class/Model/Terminal/TerminalStore.h"
#include "Class/Model/Utility/LogManager.h"
#include "Class/TolvaneIntegrationAppHelper.h"
#include "Class/UI/Base/View/CustomAlertAction.h"
#include "Class/UI/Base/View/CustomAlertController.h"
#include "Class/UI/Base/View/PopupTransition.h"
#include "Class/UI/Base/View/ScreenElements.h"
#include "Class/UI/Base/View/TextLanguages.h"
#include "Class/UI/Base/ViewModel/IBaseViewModel.h"

#include "R.h"

#include "device/BatteryMonitoring.h"
#include "foundation/LocalizedStrings.h"
#include "foundation/NotificationCenter.h"
#include "foundation/Overloaded.h"
#include "foundation/RunLoop.h"
#include "ui/Application.h"
#include "ui/ImageView.h"
#include "ui/Label.h"
#include "ui/View.h"

namespace tolvane::app {
namespace {

constexpr foundation::Seconds NOT_ACTIVE_RETRY = 5.0;

rx::Cancellable observe(const char* notification, std::function<void()> block)
{
    auto observation = std::make_shared<foundation::NotificationCenter::Observation>(
        foundation::NotificationCenter::defaultCenter().addObserver(notification, std::move(block)));
    return rx::Cancellable([observation] { observation->reset(); });
}

} // namespace

// The Bluetooth the link follows, that of the accessory backend in use, even before the link starts.
PreConfirmationViewController::PreConfirmationViewController()
    : central(TerminalStore::shared()->bluetoothPower()), popupTransition_(std::make_shared<PopupTransition>())
{
}

PreConfirmationViewController::~PreConfirmationViewController() = default;

std::weak_ptr<PreConfirmationViewController> PreConfirmationViewController::weakSelf()
{
    return std::static_pointer_cast<PreConfirmationViewController>(shared_from_this());
}

void PreConfirmationViewController::loadView()
{
    // The ground the checks run over: the car mark and the feature's name, nothing to touch.
    auto root = ScreenElements::groundView();
    const ui::Rect bounds = root->bounds();
    const double middle = bounds.size.height / 2;
    root->addSubview(ScreenElements::picture({bounds.size.width / 2 - 60, middle - 130, 120, 120}, ScreenElements::asset("#Tolvane_VehicleIcon", {120, 120})));
    auto name = ScreenElements::label({24, middle + 6, bounds.size.width - 48, 40}, 28, ui::FontWeight::bold);
    name->setText(R::string::localizable::Common_NavigationTitle(textLanguages()));
    root->addSubview(name);
    setView(root);
}

void PreConfirmationViewController::viewDidLoad()
{
    ScreenViewController::viewDidLoad();
    isViewLoad = true;
    central.setDelegate([weak = weakSelf()](bt::PowerState state) {
        if (const auto self = weak.lock())
            self->centralManagerDidUpdateState(state);
    });
}

void PreConfirmationViewController::viewWillAppear(bool animated)
{
    ScreenViewController::viewWillAppear(animated);
    const auto weak = weakSelf();
    cancellables.insert(viewModel->actionPublisher().sink([weak](const IPreConfirmationViewModel::Action& action) {
        if (const auto self = weak.lock())
            self->apply(action);
    }));
    if (isViewLoad) {
        isViewLoad = false;
        viewModel->initializeData();
    }
    cancellables.insert(observe(ui::Application::didBecomeActiveNotification, [weak] {
        if (const auto self = weak.lock())
            self->didBecomeActive();
    }));
    cancellables.insert(observe(ui::Application::didEnterBackgroundNotification, [weak] {
        const auto self = weak.lock();
        if (!self)
            return;
        LogManager::print("didEnterBackgroundNotification received.", LogLevel::information, {.function = "viewWillAppear(_:)"});
        self->viewModel->stopMonitoring();
    }));
}

void PreConfirmationViewController::viewDidDisappear(bool animated)
{
    ScreenViewController::viewDidDisappear(animated);
    viewModel->resetAction();
}

void PreConfirmationViewController::apply(const IPreConfirmationViewModel::Action& action)
{
    using A = PreConfirmationAction;
    std::visit(foundation::Overloaded{
                   [](const A::setHistoryData& data) { currentHistoryId().set(data.dataController->insertHistory()); },
                   [](const A::setIsBatteryMonitoringEnabled& monitoring) {
                       device::setBatteryMonitoringEnabled(monitoring.isBatteryMonitoringEnabled);
                   },
                   [](const A::none&) {},
                   [this](const A::appendBluetoothPermissionAlert&) { makeBluetoothPermissionAlert(); },
                   [this](const A::appendBluetoothAlert&) { makeBluetoothAlert(); },
                   [this](const A::appendBatteryAlert&) { makeBatteryAlert(); },
                   [this](const A::appendAppVersionAlert&) { makeAppVersionAlert(); },
                   [this](const A::doPreConfirmation&) { handlePreConfirmationResult(); },
                   [this](const A::didBecomeActive&) { didBecomeActive(); },
               },
               action);
}

void PreConfirmationViewController::centralManagerDidUpdateState(bt::PowerState state)
{
    LogManager::print("centralManagerDidUpdateState received. state: " +
                          std::string(bt::powerStateName(state).value_or("others")),
                      LogLevel::information, {.function = "centralManagerDidUpdateState(_:)"});
    viewModel->setCentralState(state);
    alerts.clear();
    dismissCustomAlert();
    // Marked before asking: the result may come back before the request returns.
    isRequestPreConfirmation = true;
    viewModel->requestPreConfirmation();
}

void PreConfirmationViewController::didBecomeActive()
{
    LogManager::print("didBecomeActiveNotification received.", LogLevel::information, {.function = "didBecomeActive()"});
    restartPreConfirmation();
    isInitialiDidBecomeActive = false;
}

void PreConfirmationViewController::restartPreConfirmation()
{
    viewModel->restartMonitoring();
    if (isRequestPreConfirmation || isInitialiDidBecomeActive)
        return;
    viewModel->restartStartDate();
    alerts.clear();
    dismissCustomAlert();
    isRequestPreConfirmation = true;
    viewModel->requestPreConfirmation();
}

void PreConfirmationViewController::goOn()
{
    viewModel->transitionAfterPreConfirmation();
    cancellables.removeAll();
}

void PreConfirmationViewController::handlePreConfirmationResult()
{
    // A result that comes once another screen covers this one would route or alert over that screen.
    if (!isAppeared()) {
        isRequestPreConfirmation = false;
        return;
    }
    if (ui::Application::shared().applicationState() != ui::ApplicationState::active) {
        foundation::RunLoop::main().scheduleTimer(NOT_ACTIVE_RETRY, false, [weak = weakSelf()](foundation::Timer&) {
            if (const auto self = weak.lock())
                self->handlePreConfirmationResult();
        });
        return;
    }
    isRequestPreConfirmation = false;
    if (alerts.empty()) {
        if (auto* shown = dynamic_cast<CustomAlertController*>(presentedViewController()))
            shown->dismiss(false);
        goOn();
        return;
    }
    presentAlertInChain(0);
}

void PreConfirmationViewController::presentAlertInChain(size_t index)
{
    // A button that lets the user go on shows the next queued alert, or routes on after the last.
    const auto onClose = [weak = weakSelf(), index](CloseActionType closeAction) {
        const auto self = weak.lock();
        if (!self || closeAction != CloseActionType::nothing)
            return;
        if (index + 1 < self->alerts.size())
            self->presentAlertInChain(index + 1);
        else
            self->goOn();
    };
    presentAlert(alerts[index], buttonsOf(alerts[index], onClose));
}

std::vector<std::shared_ptr<CustomAlertAction>> PreConfirmationViewController::buttonsOf(const Alert& alert,
                                                                                      std::function<void(CloseActionType)> afterClose)
{
    std::vector<std::shared_ptr<CustomAlertAction>> actions;
    const auto weak = weakSelf();
    for (const auto& [title, closeAction] : alert.buttons) {
        const auto style = actions.empty() ? CustomAlertControllerAction::defaultAction : CustomAlertControllerAction::cancel;
        actions.push_back(std::make_shared<CustomAlertAction>(title, style, [weak, closeAction, afterClose](CustomAlertAction&) {
            if (const auto self = weak.lock())
                self->performCloseAction(closeAction);
            afterClose(closeAction);
        }));
    }
    return actions;
}

void PreConfirmationViewController::performCloseAction(CloseActionType closeAction)
{
    switch (closeAction) {
    case CloseActionType::terminateApp:
        leaveFeature(baseViewModel);
        break;
    case CloseActionType::openSettingApp:
        ui::Application::shared().openSettings();
        break;
    case CloseActionType::nothing:
        viewModel->stopDisplayingVersionDialog();
        break;
    }
}

void PreConfirmationViewController::presentAlert(const Alert& alert, std::vector<std::shared_ptr<CustomAlertAction>> actions)
{
    auto controller = std::make_shared<CustomAlertController>(alert.title, alert.message, CustomAlertControlerStyle::alertUpDown);
    for (auto& action : actions)
        controller->addAction(std::move(action));
    controller->setModalPresentationStyle(ui::ModalPresentationStyle::custom);
    controller->setTransitioningDelegate(popupTransition_);
    switch (alert.type) {
    case AlertType::lowBattery:
        controller->presentAction = [] {
            TolvaneIntegrationAppHelper::sendStatisticsEvent("tirmalunesko/shoujidianliangbuzu/alert/queding");
            EventStack::shared().push(currentHistoryId().copy(), EventCode::E001, "");
        };
        break;
    case AlertType::bluetoothOff:
        controller->preferredStyle = CustomAlertControlerStyle::alert;
        controller->presentAction = [] { EventStack::shared().push(currentHistoryId().copy(), EventCode::E002, ""); };
        controller->dismissAction = [] { EventStack::shared().pop(currentHistoryId().copy(), EventCode::E002, ""); };
        break;
    case AlertType::normal:
        break;
    }
    foundation::RunLoop::main().post([weak = weakSelf(), controller] {
        if (const auto self = weak.lock())
            self->presentOnceNoneCloses(controller);
    });
}

void PreConfirmationViewController::presentOnceNoneCloses(std::shared_ptr<CustomAlertController> alert)
{
    // The checks ran again while the earlier alert is still closing (Bluetooth came on): the new one
    // follows it. Asking for that dismissal again only waits for its end.
    if (const auto* shown = presentedViewController(); shown && shown->isBeingDismissed()) {
        dismiss(false, [weak = weakSelf(), alert] {
            if (const auto self = weak.lock())
                self->presentOnceNoneCloses(alert);
        });
        return;
    }
    present(std::move(alert), true);
}

void PreConfirmationViewController::dismissCustomAlert()
{
    if (!dynamic_cast<CustomAlertController*>(presentedViewController()))
        return;
    foundation::RunLoop::main().post([weak = weakSelf()] {
        const auto self = weak.lock();
        if (!self)
            return;
        if (auto* shown = dynamic_cast<CustomAlertController*>(self->presentedViewController()))
            shown->dismiss(false);
    });
}

void PreConfirmationViewController::makeBluetoothPermissionAlert()
{
    const auto languages = textLanguages();
    alerts.push_back({.title = R::string::localizable::PreConfirmation_BluetoothPermissionMessage(languages),
                      .message = std::nullopt,
                      .buttons = {{R::string::localizable::PreConfirmation_BluetoothPermissionButton1(languages), CloseActionType::openSettingApp},
                                  {R::string::localizable::PreConfirmation_BluetoothPermissionButton2(languages), CloseActionType::terminateApp}},
                      .type = AlertType::bluetoothOff});
}

void PreConfirmationViewController::makeBluetoothAlert()
{
    alerts.push_back({.title = R::string::localizable::PreConfirmation_BluetoothMessage(textLanguages()),
                      .message = std::nullopt,
                      .buttons = {{"确定", CloseActionType::terminateApp}},
                      .type = AlertType::normal});
}

void PreConfirmationViewController::makeBatteryAlert()
{
    const auto languages = textLanguages();
    // The table's text is a format ("20%%"): formatted with no arguments it reads "20%".
    alerts.push_back({.title = foundation::LocalizedStrings::format(R::string::localizable::PreConfirmation_BatteryMessage(languages), {}),
                      .message = std::nullopt,
                      .buttons = {{R::string::localizable::PreConfirmation_BatteryButton(languages), CloseActionType::terminateApp}},
                      .type = AlertType::lowBattery});
}

void PreConfirmationViewController::makeAppVersionAlert()
{
    const auto languages = textLanguages();
    alerts.push_back({.title = R::string::localizable::PreConfirmation_AppVersionMessage(languages),
                      .message = std::nullopt,
                      .buttons = {{R::string::localizable::PreConfirmation_AppVersionButton(languages), CloseActionType::nothing}},
                      .type = AlertType::normal});
}

} // namespace tolvane::app
