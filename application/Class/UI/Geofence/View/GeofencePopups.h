#pragma once

#include "Class/UI/Geofence/View/GeofencePopupViewController.h"

#include "foundation/NotificationCenter.h"

#include <memory>

namespace ui {
class Button;
class Label;
class ScrollView;
class View;
} // namespace ui

namespace tolvane::app {

// The phone is in a tower's inner zone.
class WarningAreaViewController final : public GeofencePopupViewController {
public:
    std::shared_ptr<ui::Label> warningTitleLabel;
    std::shared_ptr<ui::Label> warningAreaLabel;
    std::shared_ptr<ui::Button> okButton;
    std::shared_ptr<ui::Button> endButton;
    std::shared_ptr<ui::View> warningAreaPopView;
    std::shared_ptr<ui::ScrollView> warningAreaScrollView;

protected:
    Outlets outlets() const override;
    Texts texts() const override;
};

// The phone is in a tower's ring zone only.
class CautionAreaViewController final : public GeofencePopupViewController {
public:
    std::shared_ptr<ui::Label> cautionTitleLabel;
    std::shared_ptr<ui::Label> cautionAreaLabel;
    std::shared_ptr<ui::Button> okButton;
    std::shared_ptr<ui::Button> endButton;
    std::shared_ptr<ui::View> cautionAreaPopView;
    std::shared_ptr<ui::ScrollView> cautionAreaScrollView;

protected:
    Outlets outlets() const override;
    Texts texts() const override;
};

// No usable fix came.
class FailedGPSViewController final : public GeofencePopupViewController {
public:
    std::shared_ptr<ui::Label> timeoutGPSLabel;
    std::shared_ptr<ui::Label> timeoutGPSTitleLabel;
    std::shared_ptr<ui::Button> okButton;
    std::shared_ptr<ui::Button> endButton;
    std::shared_ptr<ui::View> timeoutGPSPopView;
    std::shared_ptr<ui::ScrollView> timeoutGPSScrollView;

protected:
    Outlets outlets() const override;
    Texts texts() const override;
};

// Location use is refused or location services are off. It goes away when the application enters
// the background, so that the return checks again.
class LocationUsePermitViewController final : public GeofencePopupViewController {
public:
    std::shared_ptr<ui::View> locssionUsePrermitPopView;
    std::shared_ptr<ui::ScrollView> locssionUsePrermitScrollView;
    std::shared_ptr<ui::Label> locssionUsePrermitLabel;
    std::shared_ptr<ui::Button> endButton;
    std::shared_ptr<ui::Button> okButton;
    std::shared_ptr<ui::Button> middleButton;

    void viewDidLoad() override;

    // Opens the system's settings page for the application; when there is none to open, the check
    // starts again at once.
    void tapAllowBtn();
    // Remembers the refusal and continues without location.
    void tapDontAllowBtn();
    void didEnterBackgroundDeleteDialog();

protected:
    Outlets outlets() const override;
    Texts texts() const override;

private:
    foundation::NotificationCenter::Observation backgroundObserver_;
};

} // namespace tolvane::app
