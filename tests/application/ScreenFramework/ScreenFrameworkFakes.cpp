#include "ScreenFrameworkFakes.h"

#include "foundation/Overloaded.h"

#include <gtest/gtest.h>

namespace screen_testing {
namespace {

std::string pair(RequiredDisplayId displayId, CauseId cause)
{
    return caseName(displayId) + ", " + caseName(cause);
}

std::string buttons(const AlertActions& actions)
{
    std::string text = "[";
    for (size_t i = 0; i < actions.size(); ++i)
        text += (i ? "|" : "") + actions[i]->title().value_or("");
    return text + "]";
}

std::string priorityName(DisplayPriority priority)
{
    static const char* const names[] = {"checkBluetoothError", "checkCommunicationDisruptedError", "stopConfirmation",
                                        "dcuCsrError",         "dcuIdtError",                      "communicationDisrupted",
                                        "checkSumError",       "fixedClearSonerCounterError",      "mekDisplayError"};
    return names[static_cast<int>(priority) - 1];
}

const AlertActions* alertActionsOf(const BaseAction& action)
{
    if (const auto* add = std::get_if<BaseAction::addStack>(&action.value))
        return &add->alertActions;
    if (const auto* inApp = std::get_if<BaseAction::showAlertInApp>(&action.value))
        return &inApp->alertActions;
    if (const auto* byPriority = std::get_if<BaseAction::showAlertByPriority>(&action.value))
        return &byPriority->alertActions;
    return nullptr;
}

} // namespace

std::string describe(const BaseAction& action)
{
    return std::visit(
        foundation::Overloaded{
            [](const BaseAction::setNavigationBarHidden& a) { return std::string("setNavigationBarHidden(") + (a.isHidden ? "true" : "false") + ")"; },
            [](const BaseAction::addStack& a) { return "addStack(" + pair(a.requiredDisplayId, a.causeId) + ", " + buttons(a.alertActions) + ")"; },
            [](const BaseAction::removeStack& a) { return "removeStack(" + priorityName(a.displayPriority) + ")"; },
            [](const BaseAction::removeOtherStack& a) { return "removeOtherStack(" + pair(a.requiredDisplayId, a.causeId) + ")"; },
            [](const BaseAction::removeAllStackAlert& a) { return std::string(a.completion ? "removeAllStackAlert(then)" : "removeAllStackAlert"); },
            [](const BaseAction::showAlertByPriority& a) {
                return "showAlertByPriority(" + pair(a.requiredDisplayId, a.causeId) + ", " + buttons(a.alertActions) + ")";
            },
            [](const BaseAction::showAlertInApp& a) {
                return "showAlertInApp(" + std::string(caseName(a.appWarningKind)) + ", " + buttons(a.alertActions) + ")";
            },
            [](const BaseAction::none&) { return std::string("none"); },
            [](const BaseAction::setNavigationBarLeftButton&) { return std::string("setNavigationBarLeftButton"); },
            [](const BaseAction::setNavigationBarSettingButton&) { return std::string("setNavigationBarSettingButton"); },
            [](const BaseAction::setNavigationBarExitButton&) { return std::string("setNavigationBarExitButton"); },
            [](const BaseAction::hideIndicator&) { return std::string("hideIndicator"); },
            [](const BaseAction::setIndicator&) { return std::string("setIndicator"); },
            [](const BaseAction::setCurrentAlertDismissForWarn&) { return std::string("setCurrentAlertDismissForWarn"); },
            [](const BaseAction::showConnectionFailureAlert&) { return std::string("showConnectionFailureAlert"); },
            [](const BaseAction::terminateAllViewControllers&) { return std::string("terminateAllViewControllers"); },
        },
        action.value);
}

ActionRecorder::ActionRecorder(const rx::Publisher<BaseAction>& publisher)
    : subscription_(publisher.dropFirst().sink([this](const BaseAction& action) { actions_.push_back(action); }))
{
}

std::vector<std::string> ActionRecorder::texts() const
{
    std::vector<std::string> result;
    for (const auto& action : actions_)
        result.push_back(describe(action));
    return result;
}

std::vector<std::string> ActionRecorder::takeTexts()
{
    std::vector<std::string> result;
    for (; taken_ < actions_.size(); ++taken_)
        result.push_back(describe(actions_[taken_]));
    return result;
}

AlertActions ActionRecorder::lastAlertActions() const
{
    for (auto it = actions_.rbegin(); it != actions_.rend(); ++it)
        if (const auto* actions = alertActionsOf(*it); actions && !actions->empty())
            return *actions;
    return {};
}

void ActionRecorder::completeLastRemoveAll() const
{
    for (auto it = actions_.rbegin(); it != actions_.rend(); ++it) {
        if (const auto* removeAll = std::get_if<BaseAction::removeAllStackAlert>(&it->value)) {
            if (removeAll->completion)
                removeAll->completion();
            return;
        }
    }
    ADD_FAILURE() << "no removeAllStackAlert was published";
}

void tap(const AlertActions& actions, const std::string& title)
{
    for (const auto& action : actions) {
        if (action->title() == title) {
            if (action->handler())
                action->handler()(*action);
            return;
        }
    }
    ADD_FAILURE() << "no button titled " << title;
}

std::vector<std::string> titles(const AlertActions& actions)
{
    std::vector<std::string> result;
    for (const auto& action : actions)
        result.push_back(action->title().value_or(""));
    return result;
}

} // namespace screen_testing
