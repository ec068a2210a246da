#include "Class/Model/Terminal/TerminalRunEndClose.h"

#include "Class/Model/Terminal/TerminalStore.h"
#include "Class/Model/Utility/LogManager.h"
#include "Class/Model/ViewCategoryManager.h"

#include "Internal/Model/ISdkModel.h"
#include "foundation/RunLoop.h"

namespace tolvane::app {

void TerminalRunEndClose::inBackground(TerminalStore& store, std::optional<RequiredDisplayId> reqDisplayId,
                                       std::optional<CauseId> causeId)
{
    if (!store.isBackground)
        return;
    if (endsTheRun(reqDisplayId, causeId))
        finishAndCloseLater(store, "backgroundClose(reqDisplayId:causeId:)", false);
}

void TerminalRunEndClose::withoutTransition(TerminalStore& store, std::optional<RequiredDisplayId> reqDisplayId,
                                            std::optional<CauseId> causeId)
{
    if (endsTheRun(reqDisplayId, causeId))
        finishAndCloseLater(store, "noTransitionClose(reqDisplayId:causeId:)", true);
}

bool TerminalRunEndClose::endsTheRun(std::optional<RequiredDisplayId> reqDisplayId, std::optional<CauseId> causeId)
{
    return ViewCategoryManager::endsTheRun(reqDisplayId.value_or(RequiredDisplayId::DEF),
                                           causeId.value_or(CauseId::DEF));
}

void TerminalRunEndClose::finishAndCloseLater(TerminalStore& store, std::string_view function, bool hopToMain)
{
    store.isConnectionStop = true;
    LogManager::print("backgroundClose has been executed.", LogLevel::information, {.function = function});
    if (store.sdkModel_)
        store.sdkModel_->requestFinishSdk();
    foundation::RunLoop::main().scheduleTimer(FINISH_CLOSE_DELAY, false, [hopToMain](foundation::Timer& timer) {
        timer.invalidate();
        auto closeShared = [] { TerminalStore::shared()->closeSequence(); };
        if (hopToMain)
            foundation::RunLoop::main().post(closeShared);
        else
            closeShared();
    });
}

} // namespace tolvane::app
