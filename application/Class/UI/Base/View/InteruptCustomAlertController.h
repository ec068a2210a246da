#pragma once

#include "Class/UI/Base/View/CustomAlertController.h"
#include "Class/UI/Base/View/InAppWarningKind.h"
#include "Class/UI/Base/ViewModel/IInteruptCustomAlertViewModel.h"

#include "rx/Cancellable.h"

#include <memory>
#include <string>

namespace tolvane::app {

// One interruption alert of a screen's alert stack: an in-app warning, or the vehicle's RESUME or
// HALT request. Its texts come from its model when it is about to appear.
class InteruptCustomAlertController : public CustomAlertController {
public:
    InteruptCustomAlertController();

    std::shared_ptr<IInteruptCustomAlertViewModel> viewModel;
    rx::CancellableSet cancellables;

    virtual void setInAppWarnTexts(InAppWarningKind warnKind);
    virtual void setRequiredWarnTexts(RequiredDisplayId requireDisplayId, CauseId causeId);
    // Makes this the alert of an in-app warning; the override warning tells the framework while it
    // is shown that a display outside its control is up.
    virtual void setInAppWarn(InAppWarningKind warnKind);
    // Reports `key` to the host's statistics block, when it set one.
    static void sendStatistics(const std::string& key);

    void viewWillAppear(bool animated) override;
    void dismiss(bool animated, Completion completion = {}) override;

private:
    void setHaltTexts(CauseId causeId);
    // A pop-up without its model, or one of a display request that cannot tell the framework about
    // it, is wiring gone wrong.
    IInteruptCustomAlertViewModel& requiredViewModel() const;
    void render(const IInteruptCustomAlertViewModel::Action& action);
};

} // namespace tolvane::app
