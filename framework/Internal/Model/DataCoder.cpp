#include "Internal/Model/DataCoder.h"

#include "Internal/Model/FrameCutter.h"
#include "Internal/Model/IDetectService.h"
#include "Internal/Model/IInternalSendBTData.h"
#include "Internal/Model/IWillArbitrateData.h"
#include "Internal/Model/OperationMessageEncoder.h"
#include "Internal/Model/TopCauseScreen.h"
#include "Internal/Model/VehicleMessageDecoder.h"
#include "Logger.h"
#include "foundation/RunLoop.h"

#include <string>
#include <utility>

namespace tolvane {

namespace {

void push(IWillArbitrateData& store, const DecodedFrame::Record& record)
{
    struct Push {
        IWillArbitrateData& store;
        void operator()(const MekDetect& detect) const { store.updateDetectData(detect); }
        void operator()(const MekVerification& verification) const { store.updateVerificationData(verification); }
        void operator()(const MekCsrReq& req) const { store.updateCsrRequestData(req); }
        void operator()(const MekInfo& info) const { store.updateInfoData(info); }
        void operator()(const MekAbnormal& abnormal) const { store.updateAbnormalData(abnormal); }
    };
    std::visit(Push{store}, record);
}

} // namespace

DataCoder::DataCoder(std::shared_ptr<IInternalSendBTData> sendingData,
                     std::shared_ptr<IWillArbitrateData> willArbitrateData, std::shared_ptr<IDetectService> detectService,
                     std::shared_ptr<IInternalCautionData> cautionData, std::shared_ptr<IInternalDisplayData> displayData)
    : sendingData(std::move(sendingData))
    , willArbitrateData(std::move(willArbitrateData))
    , detectService(std::move(detectService))
    , cautionData(std::move(cautionData))
    , displayData(std::move(displayData))
{
}

foundation::Bytes DataCoder::encode()
{
    foundation::RunLoop::main().post([weakSelf = weak_from_this()] {
        if (auto self = weakSelf.lock())
            self->runSendCycleChecks();
    });
    return OperationMessageEncoder::encodingOperationCode(sendingData->operationToSend());
}

void DataCoder::runSendCycleChecks()
{
    foundation::assertOnMainLoop("DataCoder::runSendCycleChecks");
    sendingData->confirmHold();
    detectService->detectBluetoothOff();
    // Runs on every cycle for as long as a cause with a screen stands.
    showTopCauseScreen(*cautionData, *displayData);
}

void DataCoder::decode(const foundation::Bytes& data)
{
    if (data.empty())
        return;
    // Append and cut in one locked access: the main loop may empty the buffer meanwhile.
    FrameCutter::Cut cut = willArbitrateData->recivedDataBuffer().withLock(
        [&data](foundation::Bytes& pending) { return FrameCutter::appendAndCut(pending, data); });
    if (cut.droppedBytes > 0)
        log(LogLevel::warning,
            "Dropped " + std::to_string(cut.droppedBytes) + " received bytes: no frame end within "
                + std::to_string(FrameCutter::kMaxPendingBytes) + " bytes.",
            "decode(data:)");
    if (cut.frames.empty())
        return;
    // One task for the frames of a chunk keeps them in stream order, as one task per frame would.
    foundation::RunLoop::main().post([weakSelf = weak_from_this(), frames = std::move(cut.frames)] {
        auto self = weakSelf.lock();
        if (!self)
            return;
        for (size_t i = 0; i < frames.size(); ++i)
            self->decodeReqestCode(frames[i]);
    });
}

void DataCoder::decodeReqestCode(std::span<const uint8_t> frame)
{
    foundation::assertOnMainLoop("DataCoder::decodeReqestCode");
    const DecodedFrame decoded = VehicleMessageDecoder::decodeReqestCode(frame, detectService->doChecksum());
    // A control-state request with a wrong checksum is delivered, marked, before its frame is logged.
    if (decoded.record)
        push(*willArbitrateData, *decoded.record);
    if (decoded.abnormalCode)
        logAbnomalCodeResponse(frame, *decoded.abnormalCode);
}

void DataCoder::logAbnomalCodeResponse(std::span<const uint8_t> recept, std::string_view causeForLogging)
{
    // " Date:" is followed by the frame's bytes as received, END bytes and escapes included.
    std::string line = "Error! Recived abnormal data. Skip and redelivery preview data. Cause:";
    line += causeForLogging;
    line += " Date:";
    line += foundation::hexString(recept, " ");
    line += " Size: ";
    line += std::to_string(recept.size());
    log(LogLevel::warning, line, "logAbnomalCodeResponse(recept:causeForLogging:)");
}

} // namespace tolvane
