#include "Class/UI/ConnectionCompletionForRegistration/ViewModel/ConnectionCompletionForRegistrationViewModel.h"

#include "Class/Model/CurrentHistoryId.h"
#include "Class/Model/EventStack.h"
#include "Class/Model/ITransitionManager.h"
#include "Class/Model/Terminal/TerminalStore.h"
#include "Class/TolvaneIntegrationAppHelper.h"

namespace tolvane::app {

ConnectionCompletionForRegistrationViewModel::ConnectionCompletionForRegistrationViewModel(BaseViewModelInjection injection)
    : BaseViewModel(std::move(injection))
{
}

void ConnectionCompletionForRegistrationViewModel::loadDevice()
{
    const auto terminal = TerminalStore::shared()->terminal();
    if (!terminal)
        return;
    action.send(Action{Action::setDeviceView{terminal->name()}});
    const std::string historyId = currentHistoryId().copy();
    EventStack::shared().pop(historyId, EventCode::E018, "");
    EventStack::shared().pop(historyId, EventCode::E019, "");
}

void ConnectionCompletionForRegistrationViewModel::registerCar()
{
    TolvaneIntegrationAppHelper::sendStatisticsEvent("tirmalunesko/bangdingcheliang/xiayibu");
    transitionManager->showRegistration();
}

void ConnectionCompletionForRegistrationViewModel::disconnectTerminal()
{
    const auto store = TerminalStore::shared();
    if (store->terminal())
        store->shutdownTerminal([] {});
}

} // namespace tolvane::app
