#include "Internal/Model/UnlinkedCauseScreen.h"

#include "Internal/Model/IInternalCautionData.h"
#include "Internal/Model/TopCauseScreen.h"
#include "foundation/RunLoop.h"

namespace tolvane {

UnlinkedCauseScreen::UnlinkedCauseScreen(std::shared_ptr<IInternalCautionData> cautionData,
                                         std::shared_ptr<IInternalDisplayData> displayData)
    : cautionData(std::move(cautionData)), displayData(std::move(displayData))
{
}

void UnlinkedCauseScreen::startWatching()
{
    foundation::assertOnMainLoop("UnlinkedCauseScreen::startWatching");
    watch.removeAll();
    showTopCause();
    // Shown once the detector that raised the cause has settled in its new state.
    watch.insert(cautionData->raisedCause().sink([weakSelf = weak_from_this()](const InternalCause&) {
        foundation::RunLoop::main().post([weakSelf] {
            if (auto self = weakSelf.lock())
                self->showTopCause();
        });
    }));
}

void UnlinkedCauseScreen::stopWatching()
{
    watch.removeAll();
}

void UnlinkedCauseScreen::showTopCause() const
{
    showTopCauseScreen(*cautionData, *displayData);
}

} // namespace tolvane
