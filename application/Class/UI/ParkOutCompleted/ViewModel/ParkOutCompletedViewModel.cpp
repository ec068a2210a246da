#include "Class/UI/ParkOutCompleted/ViewModel/ParkOutCompletedViewModel.h"

#include "Class/Model/CarRecordStore.h"
#include "Class/Model/CurrentHistoryId.h"
#include "Class/Model/EventStack.h"
#include "Class/Model/SelectedCarName.h"
#include "Class/Model/Terminal/TerminalStore.h"
#include "Class/UI/Base/View/HostDismissal.h"

#include "foundation/RunLoop.h"

namespace tolvane::app {

ParkOutCompletedViewModel::ParkOutCompletedViewModel(BaseViewModelInjection injection) : BaseViewModel(std::move(injection)) {}

ParkOutCompletedViewModel::~ParkOutCompletedViewModel()
{
    if (stopSendingTimer_)
        stopSendingTimer_->invalidate();
}

bool ParkOutCompletedViewModel::transition(RequiredDisplayId reqDisplayId, CauseId causeId)
{
    if (reqDisplayId == RequiredDisplayId::COMPLETE_PARK_OUT)
        return false;
    stopSendingCancelFlg = true;
    return BaseViewModel::transition(reqDisplayId, causeId);
}

void ParkOutCompletedViewModel::viewDidLoad()
{
    const auto& car = CarRecordStore::shared().selectedCarRecord;
    actionSubject.send(ParkOutCompletedAction::setCarImage{car ? std::optional(car->CarImagePath) : std::nullopt});
    stopSendingCancelFlg = false;
    std::weak_ptr<ParkOutCompletedViewModel> weak = std::static_pointer_cast<ParkOutCompletedViewModel>(shared_from_this());
    stopSendingTimer_ = foundation::RunLoop::main().scheduleTimer(STOP_SENDING_DELAY, false, [weak](foundation::Timer&) {
        if (auto self = weak.lock(); self && !self->stopSendingCancelFlg)
            self->closeLink();
    });
}

void ParkOutCompletedViewModel::closeLink()
{
    // The whole close: sending stops, the session closes, the close timer goes, the streams end.
    TerminalStore::shared()->shutdownTerminal([] {});
    EventStack::shared().push(currentHistoryId().copy(), EventCode::N001, selectedCarName());
}

void ParkOutCompletedViewModel::exit()
{
    baseAction.send(BaseAction::setIndicator{});
    std::weak_ptr<ParkOutCompletedViewModel> weak = std::static_pointer_cast<ParkOutCompletedViewModel>(shared_from_this());
    auto finish = [weak](foundation::Timer&) {
        if (auto self = weak.lock())
            self->finishExit();
    };
    // A close still pending runs first: the exit waits for it, at most the close's own delay.
    const bool closePending = stopSendingTimer_ && stopSendingTimer_->isValid();
    foundation::RunLoop::main().scheduleTimer(closePending ? STOP_SENDING_DELAY : 0, false, finish);
}

void ParkOutCompletedViewModel::finishExit()
{
    EventStack::shared().push(currentHistoryId().copy(), EventCode::E003, selectedCarName());
    std::weak_ptr<ParkOutCompletedViewModel> weak = std::static_pointer_cast<ParkOutCompletedViewModel>(shared_from_this());
    const bool leaving = dismissHost([weak] {
        if (auto self = weak.lock())
            self->exitAppCycle();
    });
    // Stand-alone nothing follows the exit: a spinner left turning would read as a hang.
    if (!leaving)
        baseAction.send(BaseAction::hideIndicator{});
}

} // namespace tolvane::app
