#include "Class/UI/Base/View/InteruptCustomAlertController.h"

#include "Class/UI/Base/View/TextLanguages.h"

#include "R.h"

#include "Internal/Model/IDisplayModel.h"

namespace tolvane::app {

InteruptCustomAlertController::InteruptCustomAlertController()
    : CustomAlertController(std::nullopt, std::nullopt, CustomAlertControlerStyle::alert)
{
}

void InteruptCustomAlertController::setInAppWarnTexts(InAppWarningKind warnKind)
{
    switch (warnKind) {
    case InAppWarningKind::timedOutRequestIDWaiting:
        setTitle(R::string::localizable::RequestIDWaiting_TimeOut_Title(textLanguages()));
        message = R::string::localizable::RequestIDWaiting_TimeOut_Message(textLanguages());
        preferredStyle = CustomAlertControlerStyle::alert;
        break;
    case InAppWarningKind::cancelConfrim:
        setTitle(R::string::localizable::CancelConfirm_Title(textLanguages()));
        break;
    case InAppWarningKind::overrideOperations:
        setTitle(R::string::localizable::OverrideOperations_Title(textLanguages()));
        break;
    default:
        break;
    }
}

void InteruptCustomAlertController::setRequiredWarnTexts(RequiredDisplayId requireDisplayId, CauseId)
{
    if (requireDisplayId == RequiredDisplayId::RESUME) {
        setTitle("结束Tolvane辅助");
        message.reset();
        preferredStyle = CustomAlertControlerStyle::alertUpDown;
    }
}

void InteruptCustomAlertController::setInAppWarn(InAppWarningKind warnKind)
{
    viewModel->setInAppWarn(warnKind);
    if (warnKind != InAppWarningKind::overrideOperations) {
        presentAction = nullptr;
        dismissAction = nullptr;
        return;
    }
    presentAction = [model = viewModel] { model->notifyDisplayOutsideSdkControl(true); };
    dismissAction = [model = viewModel] { model->notifyDisplayOutsideSdkControl(false); };
}

void InteruptCustomAlertController::render(const IInteruptCustomAlertViewModel::Action& action)
{
    using Action = IInteruptCustomAlertViewModel::Action;
    if (const auto* inApp = std::get_if<Action::setInAppWarn>(&action.value))
        setInAppWarnTexts(inApp->warnKind);
    else if (const auto* required = std::get_if<Action::setRequiredWarn>(&action.value))
        setRequiredWarnTexts(required->requireDisplayId, required->causeId);
}

void InteruptCustomAlertController::viewWillAppear(bool animated)
{
    cancellables.insert(viewModel->actionPublisher().sink([this](const IInteruptCustomAlertViewModel::Action& action) { render(action); }));
    if (const auto reqDisplayId = viewModel->reqDisplayId(); reqDisplayId && displayModel)
        displayModel->notifyTransitionDisplay(*reqDisplayId);
    viewModel->viewWillAppear();
    CustomAlertController::viewWillAppear(animated);
}

void InteruptCustomAlertController::dismiss(bool animated, Completion completion)
{
    viewModel->didDismiss();
    cancellables.removeAll();
    CustomAlertController::dismiss(animated, std::move(completion));
}

} // namespace tolvane::app
