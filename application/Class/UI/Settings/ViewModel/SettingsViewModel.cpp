#include "Class/UI/Settings/ViewModel/SettingsViewModel.h"

#include "Class/Model/CarRecordStore.h"
#include "Class/Model/ITransitionManager.h"
#include "Class/Model/LinkedCar.h"
#include "Class/Model/SoundControl.h"
#include "Class/Model/Terminal/TerminalStore.h"
#include "Class/Model/UserDefaultsKey.h"
#include "Class/Model/UserDefaultsValues.h"
#include "Class/Model/ViewCategoryManager.h"
#include "Class/Model/VolumeStep.h"
#include "Class/Model/Utility/LogManager.h"
#include "Class/UI/Base/View/CustomAlertAction.h"
#include "Class/UI/Base/View/TextLanguages.h"

#include "R.h"

#include "ISoundModel.h"
#include "Internal/Model/CaseName.h"
#include "Internal/Model/IDisplayModel.h"
#include "foundation/LocalizedStrings.h"
#include "foundation/UserDefaults.h"

namespace tolvane::app {
namespace {

constexpr const char* PREVIEW_SOUND = "CS_Sound";

std::shared_ptr<CustomAlertAction> alertAction(std::string title, CustomAlertControllerAction style, std::function<void()> handler)
{
    return std::make_shared<CustomAlertAction>(std::move(title), style, [handler = std::move(handler)](CustomAlertAction&) { handler(); });
}

} // namespace

SettingsViewModel::SettingsViewModel(BaseViewModelInjection injection, std::shared_ptr<ISdkStateData> sdkStateData,
                                     std::shared_ptr<ISoundModel> soundModel)
    : SettingsFamilyViewModel(std::move(injection)), soundModel(std::move(soundModel)), sdkStateData(std::move(sdkStateData))
{
}

// Display requests while the menu is open

bool SettingsViewModel::transition(RequiredDisplayId requested, CauseId cause)
{
    if (!isValidPair(requested, cause)) {
        LogManager::print("Skip the transition. validateDisplayId is false. " + screenName() + " view. displayViewCategory : " +
                              caseName(requested),
                          LogLevel::information, {.function = "transition(reqDisplayId:causeId:)"});
        return false;
    }
    reqDisplayId = requested;
    causeId = cause;
    if (ViewCategoryManager::endsTheRun(requested, cause))
        TerminalStore::shared()->noTransitionClose(requested, cause);
    return false;
}

// Rows

void SettingsViewModel::onSelectCell(const ui::IndexPath& indexPath)
{
    if (indexPath.section == 1 && indexPath.row == 0) {
        transitionManager->showSettingsEditDevices();
    } else if (indexPath.section == 1 && indexPath.row == 1) {
        checkAddVehicle(indexPath);
    } else if (indexPath.section == 1 && indexPath.row == 2) {
        transitionManager->showSettingsDeleteDevices();
    } else if (indexPath.section == 2 && indexPath.row == 0) {
        transitionManager->showFirstTutorialFlowFromSetting();
    } else if (indexPath.section == 2 && indexPath.row == 1) {
        LogManager::print("History is pressed", LogLevel::debug, {.function = "onSelectCell(indexPath:)"});
        transitionManager->showSettingsOperationHistory();
    }
}

void SettingsViewModel::deselectRow(const ui::IndexPath& indexPath)
{
    action.send({Action::deselectRow{indexPath, false}});
}

void SettingsViewModel::checkAddVehicle(const ui::IndexPath& indexPath)
{
    const std::vector<CarRecord> records = CarRecordStore::shared().loadCarRecords().value_or(std::vector<CarRecord>{});
    const auto languages = textLanguages();
    auto self = std::static_pointer_cast<SettingsViewModel>(shared_from_this());
    if (records.size() >= MAX_REGISTRATION_COUNT) {
        action.send({Action::presentAlert{R::string::localizable::SettingsAlert_DeleteConfirmation(languages),
                                         alertActions(R::string::localizable::SettingsAlert_Delete(languages),
                                                      [self] { self->transitionManager->showSettingsDeleteDevices(); }, indexPath)}});
        return;
    }
    if (const auto linked = firstLinkedCar(records)) {
        const std::string title =
            foundation::LocalizedStrings::format(R::string::localizable::SettingsAlert_RegistConfrimation(languages), {linked->CarName});
        action.send({Action::presentAlert{title, alertActions(R::string::localizable::SettingsAlert_Disconnect(languages),
                                                             [self] { self->disconnectForRegistration(); }, indexPath)}});
        return;
    }
    displayModel->notifyDisplayOutsideSdkControl(false);
    action.send({Action::dismissAndShowFirstRegistration{}});
}

AlertActions SettingsViewModel::alertActions(const std::string& confirmTitle, std::function<void()> confirm, const ui::IndexPath& indexPath)
{
    std::weak_ptr<SettingsViewModel> weak = std::static_pointer_cast<SettingsViewModel>(shared_from_this());
    return {alertAction(confirmTitle, CustomAlertControllerAction::defaultAction, std::move(confirm)),
            alertAction(R::string::localizable::SettingsAlert_Back(textLanguages()), CustomAlertControllerAction::cancel, [weak, indexPath] {
                if (auto self = weak.lock())
                    self->deselectRow(indexPath);
            })};
}

void SettingsViewModel::disconnectForRegistration()
{
    TerminalStore::shared()->shutdownTerminal([] {});
    displayModel->notifyDisplayOutsideSdkControl(false);
    action.send({Action::dismissAndShowFirstRegistration{}});
}

// Sound

void SettingsViewModel::onChangeSoundMute(bool isOn)
{
    foundation::UserDefaults::standard()->setBool(rawValue(UserDefaultsKey::soundEnable), isOn);
    action.send({Action::updateSoundSliderCell{std::nullopt, isOn}});
    soundModel->requestUpdateSoundSetting({.sound = isOn});
}

void SettingsViewModel::onChangeSoundVolume(float volume)
{
    foundation::UserDefaults::standard()->setFloat(rawValue(UserDefaultsKey::soundVolume), volume);
    // The same steps as at launch, so the framework hears the slider's volume exactly as it will
    // at the next start.
    soundModel->requestUpdateSoundSetting({.volume = volumeStep(volume)});
    SoundControl::shared().pauseSound(PREVIEW_SOUND, 0);
    SoundControl::shared().playSound(PREVIEW_SOUND, "wav", 0, true, 2);
}

void SettingsViewModel::showStoredSoundEnable()
{
    action.send({Action::updateSoundMuteCell{UserDefaultsValues::soundEnable()}});
}

void SettingsViewModel::showStoredSoundVolume()
{
    action.send({Action::updateSoundSliderCell{UserDefaultsValues::soundVolume(), UserDefaultsValues::soundEnable()}});
}

void SettingsViewModel::notifyDisplayOutsideSdkControl(bool isDisplay)
{
    displayModel->notifyDisplayOutsideSdkControl(isDisplay);
}

// Leaving

void SettingsViewModel::showSettingsFirstRegistration()
{
    transitionManager->showSettingsFirstRegistration();
}

void SettingsViewModel::onTapCloseButton()
{
    displayModel->notifyDisplayOutsideSdkControl(false);
    const auto store = TerminalStore::shared();
    if (store->isActOn) {
        if (!store->isConnected()) {
            LogManager::print("It has already been disconnected.", LogLevel::information, {.function = "onTapCloseButton()"});
            transitionToWarn(false, CauseId::CAN_LOSS);
            return;
        }
        closeMenu();
        return;
    }
    const auto records = CarRecordStore::shared().loadCarRecords();
    if (records && records->empty()) {
        transitionManager->showFirstRegistration();
        return;
    }
    if (store->isConnectionStop) {
        replayPendingTransition();
        return;
    }
    const bool hasLinkTarget = store->terminal() || store->targetTerminalUdid();
    if (hasLinkTarget) {
        if (reqDisplayId != RequiredDisplayId::DEF && !store->isConnected()) {
            store->shutdownTerminal([] {});
            transitionManager->showConnectionConfirmation();
            return;
        }
        closeMenu();
        return;
    }
    if (reqDisplayId == RequiredDisplayId::START_PARK_IN || reqDisplayId == RequiredDisplayId::START_PARK_OUT) {
        transitionManager->showConnectionConfirmation();
        return;
    }
    closeMenu();
}

void SettingsViewModel::closeMenu()
{
    transitionManager->resetDispID();
    action.send({Action::dismiss{}});
}

void SettingsViewModel::replayPendingTransition()
{
    switch (reqDisplayId) {
    case RequiredDisplayId::COMPLETE_PARK_IN:
        transitionManager->showParkInCompleted();
        break;
    case RequiredDisplayId::COMPLETE_PARK_IN_FORGET_HAZARD:
        transitionManager->showParkInCompletedForgetHazard();
        break;
    case RequiredDisplayId::COMPLETE_PARK_OUT:
        transitionManager->showParkOutCompleted();
        break;
    case RequiredDisplayId::STOP:
        BaseViewModel::transition(RequiredDisplayId::STOP, causeId);
        break;
    default:
        // The link ended with no end the vehicle asked for: treat it as a lost link.
        BaseViewModel::transition(RequiredDisplayId::STOP, CauseId::BT_LOSS);
        break;
    }
}

} // namespace tolvane::app
