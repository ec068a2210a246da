#include "DataCoderRig.h"
#include "VehicleFrames.h"
#include "Internal/Model/CheckSum.h"
#include "Internal/Model/FrameCutter.h"
#include "Internal/Model/SLIP.h"

#include <gtest/gtest.h>

#include <array>
#include <atomic>
#include <thread>

namespace {

using namespace tolvane;
using foundation::Bytes;
using Mount = MountActionOfTransmissionValue;

uint8_t reversedBits(uint8_t byte)
{
    uint8_t result = 0;
    for (int bit = 0; bit < 8; ++bit)
        if (byte & (1 << bit))
            result |= static_cast<uint8_t>(0x80 >> bit);
    return result;
}

// The send thread encodes while the main thread writes the record and changes the causes, and the
// receive thread feeds bytes while the main thread resets the store: run under ThreadSanitizer.
class DataCoderThreadingTest : public ::testing::Test, protected testing_support::DataCoderRig {};

TEST_F(DataCoderThreadingTest, EveryFrameComesFromOneWholeRecord)
{
    sendingData->updateOperationData({.dispMountAction = Mount::unmount, .smpcntMountAction = Mount::unmount});
    constexpr int kFrames = 3000;
    std::atomic<bool> sending{true};
    std::atomic<int> mixedFrames{0};

    std::thread sendThread([&] {
        for (int i = 0; i < kFrames; ++i) {
            // The hold stays fresh: this loop encodes far faster than the main loop confirms it.
            sendingData->confirmHold();
            const Bytes frame = coder->encode();
            const Bytes m = SLIP::decode(frame);
            // Every record written has x = y = smpcnt = k, so x' = y' = k + 1 and the counter is k.
            const uint32_t x = (m[3] & 0x03u) << 8 | m[4];
            const uint32_t y = (m[5] & 0x03u) << 8 | m[6];
            const uint8_t counter = reversedBits(static_cast<uint8_t>(m[9] ^ 0x6B));
            const bool whole = m.size() == 11 && x == y && (x == 0 ? counter == 0 : counter == ((x - 1) & 0xFF))
                && m[10] == (checkSum(std::array<int64_t, 7>{m[3] >> 2 & 1, x, m[5] >> 2, y, m[7], m[8], m[9]}) & 0xFF);
            if (!whole)
                ++mixedFrames;
        }
        sending = false;
    });

    uint32_t k = 0;
    while (sending) {
        k = k % 1000 + 1;
        sendingData->updateOperationData({.x = k, .y = k, .smpcnt = k});
        if (k % 2)
            cautionData->addCause(InternalCause::outArea);
        else
            cautionData->removeCause(InternalCause::outArea);
        time.runUntilIdle();
    }
    sendThread.join();
    time.runUntilIdle();

    EXPECT_EQ(mixedFrames.load(), 0);
    EXPECT_EQ(detectService->count("detectBluetoothOff"), static_cast<size_t>(kFrames));
}

TEST_F(DataCoderThreadingTest, TheReceiveBufferStaysWholeWhileTheMainLoopResetsTheStore)
{
    const Bytes frames = [] {
        Bytes bytes;
        for (int i = 0; i < 4; ++i) {
            const Bytes frame = testing_support::vehicle::abnormalityFrame(true, i % 2 == 0);
            bytes.insert(bytes.end(), frame.begin(), frame.end());
        }
        return bytes;
    }();
    std::atomic<bool> receiving{true};
    std::thread receiveThread([&] {
        for (int round = 0; round < 2000; ++round)
            for (size_t begin = 0; begin < frames.size(); begin += 7)
                coder->decode(Bytes(frames.begin() + static_cast<ptrdiff_t>(begin),
                                    frames.begin() + static_cast<ptrdiff_t>(std::min(frames.size(), begin + 7))));
        receiving = false;
    });

    size_t records = 0;
    auto subscription = willArbitrateData->abnormal().sink([&records](const MekAbnormal&) { ++records; });
    while (receiving) {
        willArbitrateData->initParam();
        time.runUntilIdle();
    }
    receiveThread.join();
    time.runUntilIdle();

    EXPECT_GT(records, 0u);
    EXPECT_LT(willArbitrateData->recivedDataBuffer().copy().size(), FrameCutter::kMaxPendingBytes);
}

} // namespace
