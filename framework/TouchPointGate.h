#pragma once

#include "ui/Point.h"

#include <memory>
#include <optional>

namespace tolvane {

class IInternalDisplayData;
class IInternalSdkStateData;
class IInternalSendBTData;
class IWillArbitrateData;

// Writes the touch point of the hold controls into the operation record, or (0, 0) when there is no
// point or the framework is not in a state to operate: in the background, under a screen outside its
// control or a popup, while an interrupt is pending, or on any screen but OPERATE. The button is set
// to def either way. Main loop only.
class TouchPointGate {
public:
    TouchPointGate(std::shared_ptr<IInternalSendBTData> sendingData, std::shared_ptr<IInternalSdkStateData> sdkStateData,
                   std::shared_ptr<IInternalDisplayData> displayData,
                   std::shared_ptr<IWillArbitrateData> willArbitrateData);

    void setSendLocation(std::optional<ui::Point> location);

    // Whether a coordinate fits the record's unsigned 32-bit field; NaN, infinities, negative values
    // and values of 2^32 or more do not, and count as no point.
    static bool isSendableCoordinate(double value);

private:
    bool accepts(const std::optional<ui::Point>& location) const;

    const std::shared_ptr<IInternalSendBTData> sendingData;
    const std::shared_ptr<IInternalSdkStateData> sdkStateData;
    const std::shared_ptr<IInternalDisplayData> displayData;
    const std::shared_ptr<IWillArbitrateData> willArbitrateData;
};

} // namespace tolvane
