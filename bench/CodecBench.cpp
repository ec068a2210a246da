// The codec's send and receive paths and one arbitrated control-state request, each beside a plain
// copy of the same bytes measured in the same run. Printed at the end: time per frame, the ratio to
// the copy, and what one send cycle plus one arbitrated request takes of the 50 ms cycle.

#include "framework/VehicleFrames.h"
#include "foundation/SystemLog.h"
#include "support/FrameworkRig.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>

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

void plainCopy(benchmark::State& state, const Bytes& bytes, int frames)
{
    for (auto _ : state) {
        Bytes copy(bytes);
        benchmark::DoNotOptimize(copy.data());
        benchmark::ClobberMemory();
    }
    perFrame(state, frames);
}

void BM_CopyOperationFrame(benchmark::State& state)
{
    OperatingRig rig;
    plainCopy(state, rig.coder->encode(), 1);
}

// One send cycle: the frame on the send thread, the Bluetooth check and cause promotion on the main loop.
void BM_Encode(benchmark::State& state)
{
    OperatingRig rig;
    for (auto _ : state) {
        benchmark::DoNotOptimize(rig.coder->encode());
        rig.time.runUntilIdle();
    }
    perFrame(state, 1);
}

void BM_CopyThousandFrames(benchmark::State& state)
{
    plainCopy(state, thousandFrames(), kFramesPerChunk);
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

// The receive thread's share alone: appended, cut and posted; the main loop's decoding is not timed.
void BM_CutThousandFrames(benchmark::State& state)
{
    OperatingRig rig;
    rig.arbitrator->closeObserver();
    const Bytes chunk = thousandFrames();
    for (auto _ : state) {
        rig.coder->decode(chunk);
        state.PauseTiming();
        rig.time.runUntilIdle();
        state.ResumeTiming();
    }
    perFrame(state, kFramesPerChunk);
}

void BM_CopyRequestFrame(benchmark::State& state)
{
    plainCopy(state, operateRequest(25), 1);
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

BENCHMARK(BM_CopyOperationFrame)->Unit(benchmark::kNanosecond);
BENCHMARK(BM_Encode)->Unit(benchmark::kNanosecond);
BENCHMARK(BM_CopyThousandFrames)->Unit(benchmark::kNanosecond);
BENCHMARK(BM_ReceiveThousandFrames)->Unit(benchmark::kNanosecond);
BENCHMARK(BM_CutThousandFrames)->Unit(benchmark::kNanosecond);
BENCHMARK(BM_CopyRequestFrame)->Unit(benchmark::kNanosecond);
BENCHMARK(BM_ArbitratedRequest)->Unit(benchmark::kNanosecond);

// The console table, then each measurement against its plain copy.
class RatioReporter final : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration)
                nanoseconds_[run.benchmark_name()] = run.GetAdjustedRealTime();
    }

    void Finalize() override
    {
        ConsoleReporter::Finalize();
        std::printf("\n%-26s %-22s %14s %10s\n", "measured", "against the copy of", "ns per frame", "x copy");
        ratio("BM_Encode", 1, "BM_CopyOperationFrame", 1);
        ratio("BM_ReceiveThousandFrames", kFramesPerChunk, "BM_CopyThousandFrames", kFramesPerChunk);
        ratio("BM_ReceiveThousandFrames", kFramesPerChunk, "BM_CopyRequestFrame", 1);
        ratio("BM_CutThousandFrames", kFramesPerChunk, "BM_CopyThousandFrames", kFramesPerChunk);
        ratio("BM_ArbitratedRequest", 1, "BM_CopyRequestFrame", 1);
        if (has("BM_Encode") && has("BM_ArbitratedRequest")) {
            const double cycle = nanoseconds_["BM_Encode"] + nanoseconds_["BM_ArbitratedRequest"];
            std::printf("send cycle + arbitrated request: %.0f ns, %.4f %% of the 50 ms cycle\n", cycle,
                        100.0 * cycle / (kSendCycle * 1e9));
        }
    }

private:
    bool has(const std::string& name) const { return nanoseconds_.contains(name); }

    // Per frame against per frame: the copy of the whole chunk, or of one frame on its own.
    void ratio(const std::string& measured, int measuredFrames, const std::string& copy, int copyFrames)
    {
        if (!has(measured) || !has(copy))
            return;
        const double perFrame = nanoseconds_[measured] / measuredFrames;
        const char* copied = copyFrames == 1 ? "one frame" : "the whole chunk";
        std::printf("%-26s %-22s %14.1f %10.1f\n", measured.c_str(), copied, perFrame,
                    perFrame / (nanoseconds_[copy] / copyFrames));
    }

    std::map<std::string, double> nanoseconds_;
};

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
