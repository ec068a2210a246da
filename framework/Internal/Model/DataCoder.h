#pragma once

#include "Internal/Model/IDataCoder.h"

#include <cstdint>
#include <memory>
#include <span>
#include <string_view>

namespace tolvane {

class IDetectService;
class IInternalCautionData;
class IInternalDisplayData;
class IInternalSendBTData;
class IWillArbitrateData;

// Builds the operation message of every send cycle and turns the vehicle's byte stream into records
// for the received-data store. Frames are decoded on the main loop, one at a time and in the order
// received; a frame that fails a check is logged and dropped, and the last good records stay.
//
// Made with std::make_shared: the tasks it posts to the main loop hold it weakly, so work still queued
// when it goes away is dropped.
class DataCoder final : public IDataCoder, public std::enable_shared_from_this<DataCoder> {
public:
    DataCoder(std::shared_ptr<IInternalSendBTData> sendingData, std::shared_ptr<IWillArbitrateData> willArbitrateData,
              std::shared_ptr<IDetectService> detectService, std::shared_ptr<IInternalCautionData> cautionData,
              std::shared_ptr<IInternalDisplayData> displayData);

    // On the send thread: the frame comes from one locked copy of the record. The Bluetooth check and
    // the promotion of the top cause's screen belong to the main loop and are posted there as one task;
    // they never change the record, so the bytes are those they would be after them.
    foundation::Bytes encode() override;
    void decode(const foundation::Bytes& data) override;

private:
    void runSendCycleChecks();
    void decodeReqestCode(std::span<const uint8_t> frame);
    static void logAbnomalCodeResponse(std::span<const uint8_t> recept, std::string_view causeForLogging);

    const std::shared_ptr<IInternalSendBTData> sendingData;
    const std::shared_ptr<IWillArbitrateData> willArbitrateData;
    const std::shared_ptr<IDetectService> detectService;
    const std::shared_ptr<IInternalCautionData> cautionData;
    const std::shared_ptr<IInternalDisplayData> displayData;
};

} // namespace tolvane
