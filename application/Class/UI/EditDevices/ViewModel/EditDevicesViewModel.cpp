#include "Class/UI/EditDevices/ViewModel/EditDevicesViewModel.h"

#include "Class/Model/CarRecordStore.h"
#include "Class/Model/ITransitionManager.h"
#include "Class/Model/LinkedCar.h"
#include "Class/Model/Terminal/TerminalStore.h"
#include "Class/TolvaneIntegrationAppHelper.h"
#include "Class/UI/Base/View/CustomAlertAction.h"
#include "Class/UI/Base/View/TextLanguages.h"

#include "R.h"

#include "Internal/Model/IDisplayModel.h"
#include "foundation/LocalizedStrings.h"

namespace tolvane::app {
namespace {

constexpr std::string_view LIMIT_CONFIRMED = "tirmalunesko/bangdingcheliangyichaoshangxian/alert/queding";
constexpr std::string_view DISCONNECT_CONFIRMED = "tirmalunesko/chelianglianjiezhongshifouduankaiyucardelianjie/alert/queding";
constexpr std::string_view DISCONNECT_CANCELLED = "tirmalunesko/chelianglianjiezhongshifouduankaiyucardelianjie/alert/quxiao";

} // namespace

EditDevicesViewModel::EditDevicesViewModel(BaseViewModelInjection injection, std::shared_ptr<ISdkStateData> sdkStateData,
                                           std::shared_ptr<IDataController> dataController)
    : RegisteredCarsViewModel(std::move(injection), std::move(dataController)), sdkStateData(std::move(sdkStateData))
{
}

void EditDevicesViewModel::report(std::string_view key)
{
    TolvaneIntegrationAppHelper::sendStatisticsEvent(std::string(key));
}

void EditDevicesViewModel::onSelectCell(const ui::IndexPath& indexPath)
{
    if (!isRow(indexPath))
        return;
    CarRecordStore::shared().selectedCarRecord = _carRecords[static_cast<size_t>(indexPath.row)];
    CarRecordStore::shared().isEdit = true;
    transitionManager->showRegistration();
}

void EditDevicesViewModel::onTapAddCar()
{
    const auto languages = textLanguages();
    std::weak_ptr<EditDevicesViewModel> weak = std::static_pointer_cast<EditDevicesViewModel>(shared_from_this());
    if (_carRecords.size() >= MAX_REGISTRATION_COUNT) {
        auto ok = std::make_shared<CustomAlertAction>(R::string::localizable::SettingsAlert_Delete(languages),
                                                      CustomAlertControllerAction::defaultAction,
                                                      [weak](CustomAlertAction&) {
                                                          if (auto self = weak.lock())
                                                              self->report(LIMIT_CONFIRMED);
                                                      });
        action.send({Action::presentAlert{R::string::localizable::SettingsAlert_DeleteConfirmation(languages), {ok}}});
        return;
    }
    const auto linked = firstLinkedCar(_carRecords);
    if (!linked) {
        transitionManager->showFirstRegistration();
        return;
    }
    auto disconnect = std::make_shared<CustomAlertAction>(R::string::localizable::SettingsAlert_Disconnect(languages),
                                                          CustomAlertControllerAction::defaultAction, [weak](CustomAlertAction&) {
                                                              if (auto self = weak.lock())
                                                                  self->disconnectForRegistration();
                                                          });
    auto back = std::make_shared<CustomAlertAction>(R::string::localizable::SettingsAlert_Back(languages), CustomAlertControllerAction::cancel,
                                                    [weak](CustomAlertAction&) {
                                                        if (auto self = weak.lock())
                                                            self->report(DISCONNECT_CANCELLED);
                                                    });
    const std::string title =
        foundation::LocalizedStrings::format(R::string::localizable::SettingsAlert_RegistConfrimation(languages), {linked->CarName});
    action.send({Action::presentAlert{title, {disconnect, back}}});
}

void EditDevicesViewModel::disconnectForRegistration()
{
    report(DISCONNECT_CONFIRMED);
    TerminalStore::shared()->shutdownTerminal([] {});
    displayModel->notifyDisplayOutsideSdkControl(false);
    transitionManager->showSettingsFirstRegistration();
}

} // namespace tolvane::app
