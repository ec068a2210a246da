#pragma once

#include "Class/UI/Base/View/ScreenViewController.h"
#include "Class/UI/PreConfirmation/ViewModel/IPreConfirmationViewModel.h"

#include "bluetooth/CentralManager.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace ui {
class ImageView;
class Label;
} // namespace ui

namespace tolvane::app {

class CustomAlertAction;
class PopupTransition;

// The first screen of every run, with no controls of its own. It follows the phone's Bluetooth,
// the application's return to the foreground and its going to the background, and turns the failed
// checks of its view model into a chain of at most two alerts whose buttons end the embedded
// feature, open the system settings or let the user go on. Main thread only.
class PreConfirmationViewController final : public ScreenViewController<IPreConfirmationViewModel> {
public:
    enum class AlertType { lowBattery, bluetoothOff, normal };
    enum class CloseActionType : int { terminateApp = 0, openSettingApp = 1, nothing = 2 };

    struct Alert {
        std::optional<std::string> title;
        std::optional<std::string> message;
        std::vector<std::pair<std::string, CloseActionType>> buttons;
        AlertType type;
    };

    PreConfirmationViewController();
    ~PreConfirmationViewController() override;

    bool isViewLoad = false;
    bool isInitialiDidBecomeActive = true;
    bool isRequestPreConfirmation = false;
    std::vector<Alert> alerts;
    bt::CentralManager central;

    void loadView() override;
    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;
    void viewDidDisappear(bool animated) override;

    void centralManagerDidUpdateState(bt::PowerState state);
    void didBecomeActive();
    void restartPreConfirmation();
    void handlePreConfirmationResult();
    void performCloseAction(CloseActionType closeAction);

    void makeBluetoothPermissionAlert();
    void makeBluetoothAlert();
    void makeBatteryAlert();
    void makeAppVersionAlert();

private:
    void apply(const IPreConfirmationViewModel::Action& action);
    std::vector<std::shared_ptr<CustomAlertAction>> buttonsOf(const Alert& alert, std::function<void(CloseActionType)> afterClose);
    void presentAlertInChain(size_t index);
    void presentAlert(const Alert& alert, std::vector<std::shared_ptr<CustomAlertAction>> actions);
    void presentOnceNoneCloses(std::shared_ptr<CustomAlertController> alert);
    void dismissCustomAlert();
    void goOn();
    std::weak_ptr<PreConfirmationViewController> weakSelf();

    std::shared_ptr<PopupTransition> popupTransition_;
};

} // namespace tolvane::app
