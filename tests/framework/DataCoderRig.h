#pragma once

#include "FakeDetectService.h"
#include "Internal/Model/CautionData.h"
#include "Internal/Model/DataCoder.h"
#include "Internal/Model/DisplayData.h"
#include "Internal/Model/SendingData.h"
#include "Internal/Model/WillArbitrateData.h"
#include "foundation/VirtualTime.h"
#include "support/CapturingSystemLog.h"

#include <memory>

namespace testing_support {

// A data coder with the real stores it writes and reads, a recording detection service and the log
// captured, on virtual time.
struct DataCoderRig {
    foundation::VirtualTime time;
    foundation::RunLoop& mainLoop = time.mainLoop();
    ScopedSystemLogCapture logCapture;
    std::shared_ptr<tolvane::SendingData> sendingData = std::make_shared<tolvane::SendingData>();
    std::shared_ptr<tolvane::WillArbitrateData> willArbitrateData = std::make_shared<tolvane::WillArbitrateData>();
    std::shared_ptr<FakeDetectService> detectService = std::make_shared<FakeDetectService>();
    std::shared_ptr<tolvane::CautionData> cautionData = std::make_shared<tolvane::CautionData>();
    std::shared_ptr<tolvane::DisplayData> displayData = std::make_shared<tolvane::DisplayData>();
    std::shared_ptr<tolvane::DataCoder> coder = std::make_shared<tolvane::DataCoder>(
        sendingData, willArbitrateData, detectService, cautionData, displayData);
};

} // namespace testing_support
