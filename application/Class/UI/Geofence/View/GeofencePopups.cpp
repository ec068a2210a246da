#include "Class/UI/Geofence/View/GeofencePopups.h"

#include "Class/Model/Utility/OpenSettingApp.h"
#include "Class/UI/Geofence/View/GeofenceViewController.h"

#include "R.h"

#include "foundation/UserDefaults.h"
#include "ui/Application.h"
#include "ui/Button.h"
#include "ui/Label.h"
#include "ui/ScrollView.h"

namespace tolvane::app {

namespace text = R::string::localizable;

GeofencePopupViewController::Outlets WarningAreaViewController::outlets() const
{
    return {warningAreaPopView.get(), warningAreaScrollView.get(), warningAreaLabel.get(), warningTitleLabel.get(),
            okButton.get(),           nullptr,                     endButton.get()};
}

GeofencePopupViewController::Texts WarningAreaViewController::texts() const
{
    return {text::Geofence_WarningAreaTitle, text::Geofence_WarningAreaMessage, text::Geofence_WarningAreaButton1, nullptr,
            text::Geofence_WarningAreaButton2};
}

GeofencePopupViewController::Outlets CautionAreaViewController::outlets() const
{
    return {cautionAreaPopView.get(), cautionAreaScrollView.get(), cautionAreaLabel.get(), cautionTitleLabel.get(),
            okButton.get(),           nullptr,                     endButton.get()};
}

GeofencePopupViewController::Texts CautionAreaViewController::texts() const
{
    return {text::Geofence_CautionAreaTitle, text::Geofence_CautionAreaMessage, text::Geofence_CautionAreaButton1, nullptr,
            text::Geofence_CautionAreaButton2};
}

GeofencePopupViewController::Outlets FailedGPSViewController::outlets() const
{
    return {timeoutGPSPopView.get(), timeoutGPSScrollView.get(), timeoutGPSLabel.get(), timeoutGPSTitleLabel.get(),
            okButton.get(),          nullptr,                    endButton.get()};
}

GeofencePopupViewController::Texts FailedGPSViewController::texts() const
{
    return {text::Geofence_FailedGpsTitle, text::Geofence_FailedGpsMessage, text::Geofence_FailedGpsButton1, nullptr,
            text::Geofence_FailedGpsButton2};
}

GeofencePopupViewController::Outlets LocationUsePermitViewController::outlets() const
{
    return {locssionUsePrermitPopView.get(), locssionUsePrermitScrollView.get(), locssionUsePrermitLabel.get(), nullptr,
            okButton.get(),                  middleButton.get(),                 endButton.get()};
}

GeofencePopupViewController::Texts LocationUsePermitViewController::texts() const
{
    return {nullptr, text::Geofence_LocationPermissionDeniedMessage, text::Geofence_LocationPermissionDeniedButton1,
            text::Geofence_LocationPermissionDeniedButton2, text::Geofence_LocationPermissionDeniedButton3};
}

void LocationUsePermitViewController::viewDidLoad()
{
    GeofencePopupViewController::viewDidLoad();
    std::weak_ptr<ui::ViewController> weak = weak_from_this();
    backgroundObserver_ =
        foundation::NotificationCenter::defaultCenter().addObserver(ui::Application::didEnterBackgroundNotification, [weak] {
            if (auto self = weak.lock())
                static_cast<LocationUsePermitViewController&>(*self).didEnterBackgroundDeleteDialog();
        });
}

void LocationUsePermitViewController::tapAllowBtn()
{
    dismissGeofencePopup([](GeofenceViewController& geofence) {
        geofence.checkCompleteFlag = false;
        // Without a settings page no return to the foreground follows; the check runs again now.
        if (!openSettingApp())
            geofence.restartCheck();
    });
}

void LocationUsePermitViewController::tapDontAllowBtn()
{
    dismissGeofencePopup([](GeofenceViewController& geofence) {
        foundation::UserDefaults::standard()->setBool("not_permitted_flag", true);
        geofence.continueToNextScreen();
    });
}

void LocationUsePermitViewController::didEnterBackgroundDeleteDialog()
{
    auto geofence = presentingGeofence();
    if (!geofence)
        return;
    geofence->checkCompleteFlag = false;
    dismiss(true);
}

} // namespace tolvane::app
