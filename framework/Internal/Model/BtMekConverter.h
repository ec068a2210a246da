#pragma once

#include "Internal/Model/IBtMekConverter.h"
#include "Internal/Model/IInternalCautionData.h"
#include "Internal/Model/IInternalVehicleStateData.h"

#include <memory>

namespace tolvane {

// Stateless: each conversion reads the current values of its two stores.
class BtMekConverter final : public IBtMekConverter {
public:
    BtMekConverter(std::shared_ptr<const IInternalVehicleStateData> vehicleStateData,
                   std::shared_ptr<const IInternalCautionData> cautionData);

    BtMekDspId convertToParkInBtMekDspId() const override;
    BtMekDspId convertToParkOutBtMekDspId() const override;
    BtMekDspId convertToForwardBackwardBtMekDspId() const override;
    BtMekDspId convertToOperateBtMekDspId() const override;
    BtMekDspId convertToCauseBtMekDspId() const override;

private:
    const std::shared_ptr<const IInternalVehicleStateData> vehicleStateData_;
    const std::shared_ptr<const IInternalCautionData> cautionData_;
};

} // namespace tolvane
