#pragma once

#include "Class/UI/Base/ViewModel/BaseAction.h"

#include "Internal/Model/CauseId.h"
#include "Internal/Model/RequiredDisplayId.h"

namespace tolvane::app {

class BaseViewModel;

// The base view model's pop-ups: the vehicle's RESUME and HALT pop-ups, the application's own
// warnings, and the answers to the stop confirmation and the override pop-up. Main thread only.
class BaseViewModelPopups {
public:
    BaseViewModelPopups() = delete;

    static void displayWarnConfirmation(BaseViewModel& viewModel, RequiredDisplayId reqDisplayId, CauseId causeId);
    static void displayWarnConfirmation(BaseViewModel& viewModel, InAppWarningKind appWarningKind);
    static void tapCancelConfirmationPopupButtonYes(BaseViewModel& viewModel);
    static void tapCancelConfirmationPopupButtonNo(BaseViewModel& viewModel);
    static void updateDisplayOutsideSdkControl(BaseViewModel& viewModel);
    static void tapOverridePopupButtonFinish(BaseViewModel& viewModel);

private:
    static AlertActions resumePopupActions(BaseViewModel& viewModel);
    static void answerHaltResume(BaseViewModel& viewModel, RequiredDisplayId reqDisplayId, CauseId causeId);
    static void answerRequestIdTimeout(BaseViewModel& viewModel);
    static void endOverrideAnswer(BaseViewModel& viewModel);
    static void routeLatestAgain(BaseViewModel& viewModel);
};

} // namespace tolvane::app
