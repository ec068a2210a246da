#pragma once

#include "Internal/Model/CautionData.h"
#include "Internal/Model/DetectAbnormal/DetectBluetooth.h"
#include "Internal/Model/DetectAbnormal/DetectCheckSum.h"
#include "Internal/Model/DetectAbnormal/DetectClearSonerCounterFixing.h"
#include "Internal/Model/DetectAbnormal/DetectCommunicationRequest.h"
#include "Internal/Model/DetectAbnormal/DetectCommunicationVerification.h"
#include "Internal/Model/DetectAbnormal/DetectDcuCsrError.h"
#include "Internal/Model/DetectAbnormal/DetectDcuIdtError.h"
#include "Internal/Model/DetectAbnormal/DetectDeadlock.h"
#include "Internal/Model/DetectAbnormal/DetectIdtdspError.h"
#include "Internal/Model/DetectAbnormal/DetectLatch.h"
#include "Internal/Model/DetectAbnormal/DetectMekdspError.h"
#include "bluetooth/SettableBluetoothPower.h"
#include "foundation/VirtualTime.h"
#include "support/CapturingSystemLog.h"

#include <memory>

namespace testing_support {

// Every real detector on one shared cause store, on virtual time.
struct DetectorRig {
    foundation::VirtualTime time;
    ScopedSystemLogCapture log;
    std::shared_ptr<tolvane::CautionData> causes = std::make_shared<tolvane::CautionData>();
    std::shared_ptr<bt::SettableBluetoothPower> power =
        std::make_shared<bt::SettableBluetoothPower>(bt::PowerState::poweredOn);
    std::shared_ptr<tolvane::DetectBluetooth> bluetooth = std::make_shared<tolvane::DetectBluetooth>(causes, power);
    std::shared_ptr<tolvane::DetectCommunicationVerification> verificationWatchdog =
        std::make_shared<tolvane::DetectCommunicationVerification>(causes);
    std::shared_ptr<tolvane::DetectCommunicationRequest> requestWatchdog =
        std::make_shared<tolvane::DetectCommunicationRequest>(causes);
    std::shared_ptr<tolvane::DetectCheckSum> checkSum = std::make_shared<tolvane::DetectCheckSum>(causes);
    std::shared_ptr<tolvane::DetectClearSonerCounterFixing> counterFixing =
        std::make_shared<tolvane::DetectClearSonerCounterFixing>(causes);
    std::shared_ptr<tolvane::DetectDcuCsrError> dcuCsr = std::make_shared<tolvane::DetectDcuCsrError>(causes);
    std::shared_ptr<tolvane::DetectDcuIdtError> dcuIdt = std::make_shared<tolvane::DetectDcuIdtError>(causes);
    std::shared_ptr<tolvane::DetectIdtdspError> idtdsp = std::make_shared<tolvane::DetectIdtdspError>(causes);
    std::shared_ptr<tolvane::DetectMekdspError> mekdsp = std::make_shared<tolvane::DetectMekdspError>(causes);
    std::shared_ptr<tolvane::DetectLatch> latch = std::make_shared<tolvane::DetectLatch>(causes);
    std::shared_ptr<tolvane::DetectDeadlock> deadlock = std::make_shared<tolvane::DetectDeadlock>(causes);
    const foundation::Seconds start = time.now();

    // Moves virtual time to `offset` seconds after the rig was made, firing timers on the way.
    void at(foundation::Seconds offset) { time.advanceTo(start + offset); }
};

inline tolvane::MekCsrReq request(tolvane::BtMekDspId id = tolvane::BtMekDspId::def)
{
    return tolvane::MekCsrReq{.MEKDSPID = id};
}

inline tolvane::MekVerification verification(tolvane::BtIdtDspId id = tolvane::BtIdtDspId::none)
{
    return tolvane::MekVerification{.IDTDSPID = id, .IDTBTRQ = std::nullopt};
}

} // namespace testing_support
