#include "Internal/Model/TopCauseScreen.h"

#include "Internal/Model/IInternalCautionData.h"
#include "Internal/Model/IInternalDisplayData.h"

namespace tolvane {

bool showTopCauseScreen(IInternalCautionData& cautionData, IInternalDisplayData& displayData)
{
    const auto topCause = cautionData.topCause();
    if (!topCause)
        return false;
    if (displayData.currentDispId() == RequiredDisplayId::COMPLETE_PARK_OUT && !isHigherPriorityParkOut(*topCause))
        return false;
    const auto screen = displayId(*topCause);
    if (!screen)
        return false;
    cautionData.updateCauseId();
    displayData.updateDisplayId(*screen);
    return true;
}

} // namespace tolvane
