#include "Class/UI/Base/View/InteruptCustomAlertController.h"

#include "Class/TolvaneIntegrationAppHelper.h"
#include "Class/UI/Base/View/CustomAlertAction.h"
#include "Class/UI/Base/View/HaltMessage.h"
#include "Class/UI/Base/View/TextLanguages.h"

#include "R.h"

#include "Internal/Model/IDisplayModel.h"
#include "foundation/FatalError.h"

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

void InteruptCustomAlertController::setRequiredWarnTexts(RequiredDisplayId requireDisplayId, CauseId causeId)
{
    if (requireDisplayId == RequiredDisplayId::RESUME) {
        setTitle("结束Tolvane辅助");
        message.reset();
        preferredStyle = CustomAlertControlerStyle::alertUpDown;
    } else if (requireDisplayId == RequiredDisplayId::HALT) {
        setHaltTexts(causeId);
    }
}

void InteruptCustomAlertController::setHaltTexts(CauseId causeId)
{
    const HaltMessage* row = haltMessage(causeId);
    if (!row)
        return;
    const std::string appearanceKey(row->appearanceStatisticsKey);
    const bool reportsAppearance = !appearanceKey.empty();
    if (reportsAppearance && row->appearanceStatisticsMoment == HaltMessage::StatisticsMoment::beforeTexts)
        sendStatistics(appearanceKey);
    const auto languages = textLanguages();
    setTitle(row->title(languages));
    message = row->message(languages);
    if (row->style)
        preferredStyle = row->style;
    if (row->buttons != HaltMessage::Buttons::given)
        clearAction();
    if (row->buttons == HaltMessage::Buttons::okOnly) {
        addAction(std::make_shared<CustomAlertAction>("确定", CustomAlertControllerAction::defaultAction,
                                                      [key = std::string(row->okStatisticsKey)](CustomAlertAction&) { sendStatistics(key); }));
    }
    if (reportsAppearance && row->appearanceStatisticsMoment == HaltMessage::StatisticsMoment::afterTexts)
        sendStatistics(appearanceKey);
}

void InteruptCustomAlertController::sendStatistics(const std::string& key)
{
    TolvaneIntegrationAppHelper::sendStatisticsEvent(key);
}

IInteruptCustomAlertViewModel& InteruptCustomAlertController::requiredViewModel() const
{
    if (!viewModel)
        foundation::fatalError("the interruption pop-up has no view model");
    return *viewModel;
}

void InteruptCustomAlertController::setInAppWarn(InAppWarningKind warnKind)
{
    requiredViewModel().setInAppWarn(warnKind);
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
    auto& model = requiredViewModel();
    cancellables.insert(model.actionPublisher().sink([this](const IInteruptCustomAlertViewModel::Action& action) { render(action); }));
    if (const auto reqDisplayId = model.reqDisplayId()) {
        if (!displayModel)
            foundation::fatalError("the interruption pop-up of a display request has no display model");
        displayModel->notifyTransitionDisplay(*reqDisplayId);
    }
    model.viewWillAppear();
    CustomAlertController::viewWillAppear(animated);
}

void InteruptCustomAlertController::dismiss(bool animated, Completion completion)
{
    requiredViewModel().didDismiss();
    cancellables.removeAll();
    CustomAlertController::dismiss(animated, std::move(completion));
}

} // namespace tolvane::app
