#pragma once

#include "Class/UI/Base/View/ScreenViewController.h"
#include "Class/UI/IGONWarn/ViewModel/IIGONWarnViewModel.h"

#include "Internal/Model/CauseId.h"
#include "foundation/Clock.h"
#include "foundation/WorkGroup.h"

#include <memory>

namespace ui {
class Button;
class ImageView;
class Label;
} // namespace ui

namespace tolvane::app {

// The full-screen warning for a stop the user settles from inside the vehicle: why the manoeuvre
// was cancelled, the link kept or closed by the cause, and an end button that leaves the feature.
// Main thread only.
class IGONWarnViewController final : public ScreenViewController<IIGONWarnViewModel> {
public:
    // How long the link stays open after a control time-out.
    static constexpr foundation::Seconds DISCONNECT_WAIT_TIME = 120.0;
    // How long the sends go on after a brake time-out before the link is closed.
    static constexpr foundation::Seconds STOP_SENDING_TIME = 1.5;
    // The longest the end button waits for that before the host is asked to dismiss the feature.
    static constexpr foundation::Seconds STOP_SENDING_WAIT = 1.5;

    CauseId causeId = CauseId::DEF;

    // Built by the scene; see WarningScene.
    std::shared_ptr<ui::ImageView> warningSymbol;
    std::shared_ptr<ui::Label> statusLabel;
    std::shared_ptr<ui::Label> messageLabel;
    std::shared_ptr<ui::Button> endButton;

    foundation::WorkGroup stopSendingDispatchGroup;

    virtual void setTexts(CauseId causeId);
    virtual void finishStopSending(CauseId causeId);
    virtual void endIGONWarn();

    void tapEndButton() { endIGONWarn(); }
    void tapNavigationButtonLeave() override { endIGONWarn(); }

    void loadView() override;
    void viewDidLoad() override;
    void viewDidLayoutSubviews() override;

private:
    std::weak_ptr<IGONWarnViewController> weakSelf();
};

} // namespace tolvane::app
