#include "TouchPointGate.h"

#include "Internal/Model/IInternalDisplayData.h"
#include "Internal/Model/IInternalSdkStateData.h"
#include "Internal/Model/IInternalSendBTData.h"
#include "Internal/Model/IWillArbitrateData.h"

#include <cmath>

namespace tolvane {
namespace {

constexpr double kCoordinateLimit = 4294967296.0; // 2^32

} // namespace

TouchPointGate::TouchPointGate(std::shared_ptr<IInternalSendBTData> sendingData,
                               std::shared_ptr<IInternalSdkStateData> sdkStateData,
                               std::shared_ptr<IInternalDisplayData> displayData,
                               std::shared_ptr<IWillArbitrateData> willArbitrateData)
    : sendingData(std::move(sendingData)), sdkStateData(std::move(sdkStateData)), displayData(std::move(displayData)),
      willArbitrateData(std::move(willArbitrateData))
{
}

bool TouchPointGate::isSendableCoordinate(double value)
{
    return value >= 0 && value < kCoordinateLimit; // false for NaN too
}

void TouchPointGate::setSendLocation(std::optional<ui::Point> location)
{
    uint32_t x = 0;
    uint32_t y = 0;
    if (accepts(location)) {
        // Truncated toward zero.
        x = static_cast<uint32_t>(location->x);
        y = static_cast<uint32_t>(location->y);
    }
    sendingData->updateOperationData({.x = x, .y = y, .btn = BtSmpBtn::def});
}

bool TouchPointGate::accepts(const std::optional<ui::Point>& location) const
{
    return location && isSendableCoordinate(location->x) && isSendableCoordinate(location->y) &&
           !sdkStateData->isBackground().value() && !displayData->isDisplayOutsideSdkControl().value() &&
           !displayData->isDisplayPopup().value() && !willArbitrateData->isInterrupt() &&
           displayData->currentDispId() == RequiredDisplayId::OPERATE;
}

} // namespace tolvane
