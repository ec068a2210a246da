#include "Class/UI/ParkInCompleted/ViewModel/ParkInCompletedViewModel.h"

#include "Class/Model/CarRecordStore.h"
#include "Class/Model/CurrentHistoryId.h"
#include "Class/Model/EventStack.h"
#include "Class/Model/SelectedCarName.h"
#include "Class/Model/Terminal/TerminalStore.h"
#include "Class/Model/Utility/LogManager.h"

#include "Internal/Model/IDisplayData.h"
#include "foundation/RunLoop.h"

namespace tolvane::app {

ParkInCompletedViewModel::ParkInCompletedViewModel(BaseViewModelInjection injection) : BaseViewModel(std::move(injection)) {}

void ParkInCompletedViewModel::viewDidLoad()
{
    const auto& car = CarRecordStore::shared().selectedCarRecord;
    actionSubject.send(ParkInCompletedAction::setCarImage{car ? std::optional(car->CarImagePath) : std::nullopt});
    if (TerminalStore::shared()->isConnected())
        TerminalStore::shared()->closeTimerStart(std::nullopt, true);
    else
        displayCompletedView();
    std::weak_ptr<ParkInCompletedViewModel> weak = std::static_pointer_cast<ParkInCompletedViewModel>(shared_from_this());
    cancellables.insert(displayData->reqDisplayId().sink([weak](RequiredDisplayId id) {
        if (auto self = weak.lock())
            self->applyRequiredDisplay(id);
    }));
}

void ParkInCompletedViewModel::applyRequiredDisplay(RequiredDisplayId reqDisplayId)
{
    if (reqDisplayId == RequiredDisplayId::COMPLETE_PARK_IN_FORGET_HAZARD) {
        isForgetHazard = true;
        actionSubject.send(ParkInCompletedAction::setIsHiddenActionLabel{false});
    } else if (reqDisplayId == RequiredDisplayId::COMPLETE_PARK_IN) {
        isForgetHazard = false;
        actionSubject.send(ParkInCompletedAction::setIsHiddenActionLabel{true});
    }
}

void ParkInCompletedViewModel::onSessionDidEndEncounter()
{
    LogManager::print("Detect Disconnect", LogLevel::information, {.function = "onSessionDidEndEncounter()"});
    displayCompletedView();
}

void ParkInCompletedViewModel::onSessionCloseTimeout()
{
    LogManager::print("Detect Closed Timeout", LogLevel::information, {.function = "onSessionCloseTimeout()"});
    std::weak_ptr<ParkInCompletedViewModel> weak = std::static_pointer_cast<ParkInCompletedViewModel>(shared_from_this());
    foundation::RunLoop::main().post([weak] {
        if (auto self = weak.lock())
            self->showCloseTerminalTimeoutWarn();
    });
}

void ParkInCompletedViewModel::transitionToWarn(bool isIGONWarn, CauseId causeId)
{
    // The link is released with its close timer before the warning screen takes over.
    TerminalStore::shared()->shutdownTerminal([] {});
    BaseViewModel::transitionToWarn(isIGONWarn, causeId);
}

void ParkInCompletedViewModel::displayCompletedView()
{
    actionSubject.send(ParkInCompletedAction::displayCompletedView{});
    EventStack::shared().push(currentHistoryId().copy(), EventCode::N001, selectedCarName());
}

} // namespace tolvane::app
