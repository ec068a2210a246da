// The codec's send and receive paths beside a lean, hand-written codec of the same frames, measured in
// the same run with interleaved repetitions. Printed at the end: time per frame, the ratio to the lean
// codec, and what one send cycle plus one arbitrated request takes of the 50 ms cycle.

#include "Internal/Model/FrameCutter.h"
#include "Internal/Model/OperationMessageEncoder.h"
#include "Internal/Model/VehicleMessageDecoder.h"
#include "InterleavedRuns.h"
#include "LeanCodec.h"
#include "framework/VehicleFrames.h"
#include "foundation/SystemLog.h"
#include "support/FrameworkRig.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

using namespace tolvane;
namespace vehicle = testing_support::vehicle;
using foundation::Bytes;

constexpr int kFramesPerChunk = 1000;
constexpr foundation::Seconds kSendCycle = 0.05;

class SilentLog final : public foundation::SystemLogSink {
public:
    bool isEnabled(foundation::SystemLogType) const override { return true; }
    void write(foundation::SystemLogType, std::string_view, std::string_view, std::string_view) override {}
};

// A rig in the state of a running operation: linked, confirmed, every detector watching.
struct OperatingRig : testing_support::FrameworkRig {
    OperatingRig()
    {
        foundation::setSystemLogSink(std::make_shared<SilentLog>());
        detectService->startDetectForBluetoothConnect();
        detectService->startDetectForCommunication();
        detectService->startDetectForActOn();
        sendingData->updateOperationData({.act = BtSmpAct::on, .x = 480, .y = 700, .btn = BtSmpBtn::longpress,
                                          .smpcntMountAction = MountActionOfTransmissionValue::unmount});
        receive(vehicle::verificationFrame(BtIdtBtRq::parkInOrFowaback, BtIdtDspId::none));
    }
    void receive(const Bytes& bytes)
    {
        coder->decode(bytes);
        time.runUntilIdle();
    }
};

// A control-state request on the operate screen, its counter moving by one per frame.
Bytes operateRequest(uint8_t counter)
{
    return vehicle::csrRequestFrame({.dspId = BtMekDspId::controlling_inpark, .dist = 0x50, .lr = 0, .fb = 1,
                                     .counter = counter});
}

// What the vehicle streams while operating: control-state requests between sonar and information.
Bytes thousandFrames()
{
    Bytes chunk;
    for (int i = 0; i < kFramesPerChunk; ++i) {
        Bytes frame;
        switch (i % 4) {
        case 0:
        case 2: frame = operateRequest(static_cast<uint8_t>(i)); break;
        case 1: frame = vehicle::detectionFrame({.FL_POS = 3, .RRC_POS = 5}); break;
        case 3: frame = vehicle::informationFrame({.MV_FL = i % 8 == 3 ? 1 : 0, .FLS_POS = 4}); break;
        }
        chunk.insert(chunk.end(), frame.begin(), frame.end());
    }
    return chunk;
}

void perFrame(benchmark::State& state, int frames)
{
    state.counters["per_frame"] =
        benchmark::Counter(frames, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// Keeps every decoded record alive for the optimiser, whatever its type.
struct KeepRecord {
    template <typename Record>
    void operator()(const Record& record) const
    {
        benchmark::DoNotOptimize(record);
    }
};

void BM_LeanEncode(benchmark::State& state)
{
    OperatingRig rig;
    const SmpOperation operation = rig.sendingData->operation();
    for (auto _ : state)
        benchmark::DoNotOptimize(lean::encode(operation));
    perFrame(state, 1);
}

// The operation record to its frame, as the send thread builds it.
void BM_Encode(benchmark::State& state)
{
    OperatingRig rig;
    const SmpOperation operation = rig.sendingData->operation();
    for (auto _ : state)
        benchmark::DoNotOptimize(OperationMessageEncoder::encodingOperationCode(operation));
    perFrame(state, 1);
}

// One whole send cycle: the frame on the send thread, the Bluetooth check and cause promotion on the main loop.
void BM_SendCycle(benchmark::State& state)
{
    OperatingRig rig;
    for (auto _ : state) {
        benchmark::DoNotOptimize(rig.coder->encode());
        rig.time.runUntilIdle();
    }
    perFrame(state, 1);
}

void BM_LeanDecodeThousandFrames(benchmark::State& state)
{
    const Bytes chunk = thousandFrames();
    KeepRecord keep;
    for (auto _ : state)
        lean::decode(chunk, keep);
    perFrame(state, kFramesPerChunk);
}

// Cut and decoded into records, as the receive path does before the store takes them.
void BM_DecodeThousandFrames(benchmark::State& state)
{
    const Bytes chunk = thousandFrames();
    for (auto _ : state) {
        Bytes pending;
        const FrameCutter::Cut cut = FrameCutter::appendAndCut(pending, chunk);
        for (size_t i = 0; i < cut.frames.size(); ++i)
            benchmark::DoNotOptimize(VehicleMessageDecoder::decodeReqestCode(cut.frames[i], true));
    }
    perFrame(state, kFramesPerChunk);
}

// Cut, posted, decoded and stored, with no arbitrator listening.
void BM_ReceiveThousandFrames(benchmark::State& state)
{
    OperatingRig rig;
    rig.arbitrator->closeObserver();
    const Bytes chunk = thousandFrames();
    for (auto _ : state)
        rig.receive(chunk);
    perFrame(state, kFramesPerChunk);
}

// One control-state request from its bytes to the published screen, operate state and echo, through
// the detectors. Time moves on by one send cycle per request, as on the road, so the detectors' timers
// come due and leave the run loop as they would.
void BM_ArbitratedRequest(benchmark::State& state)
{
    OperatingRig rig;
    std::vector<Bytes> frames;
    for (int counter = 0; counter < 256; ++counter)
        frames.push_back(operateRequest(static_cast<uint8_t>(counter)));
    size_t next = 0;
    for (auto _ : state) {
        rig.coder->decode(frames[next]);
        rig.time.advance(kSendCycle);
        next = (next + 1) % frames.size();
    }
    perFrame(state, 1);
}

BENCHMARK(BM_LeanEncode)->Unit(benchmark::kNanosecond);
BENCHMARK(BM_Encode)->Unit(benchmark::kNanosecond);
BENCHMARK(BM_SendCycle)->Unit(benchmark::kNanosecond);
BENCHMARK(BM_LeanDecodeThousandFrames)->Unit(benchmark::kNanosecond);
BENCHMARK(BM_DecodeThousandFrames)->Unit(benchmark::kNanosecond);
BENCHMARK(BM_ReceiveThousandFrames)->Unit(benchmark::kNanosecond);
BENCHMARK(BM_ArbitratedRequest)->Unit(benchmark::kNanosecond);

// The console table, then each measurement against the lean codec.
class RatioReporter final : public MedianReporter {
public:
    void Finalize() override
    {
        ConsoleReporter::Finalize();
        std::printf("\n%-26s %-28s %14s %8s\n", "measured", "against", "ns per frame", "ratio");
        ratio("BM_Encode", "BM_LeanEncode", 1);
        ratio("BM_SendCycle", "BM_LeanEncode", 1);
        ratio("BM_DecodeThousandFrames", "BM_LeanDecodeThousandFrames", kFramesPerChunk);
        ratio("BM_ReceiveThousandFrames", "BM_LeanDecodeThousandFrames", kFramesPerChunk);
        if (has("BM_SendCycle") && has("BM_ArbitratedRequest")) {
            const double cycle = median("BM_SendCycle") + median("BM_ArbitratedRequest");
            std::printf("send cycle + arbitrated request: %.0f ns, %.4f %% of the 50 ms cycle\n", cycle,
                        100.0 * cycle / (kSendCycle * 1e9));
        }
    }

private:
    void ratio(const std::string& measured, const std::string& baseline, int frames)
    {
        if (!has(measured) || !has(baseline))
            return;
        std::printf("%-26s %-28s %14.1f %8.2f\n", measured.c_str(), baseline.c_str(), median(measured) / frames,
                    median(measured) / median(baseline));
    }
};

} // namespace

int main(int argc, char** argv)
{
    return runInterleaved<RatioReporter>(argc, argv);
}
