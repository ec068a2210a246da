#pragma once

#include "foundation/Bytes.h"

#include <cstddef>
#include <cstdint>
#include <span>

namespace tolvane {

// The one-byte rolling counters travel scrambled. The two directions use different transforms:
// decrypt is not the inverse of encrypt, and each applies only to its own message id.
class CounterEncryption {
public:
    static constexpr uint8_t FOR_ENCRYPT = 0x6B;
    static constexpr uint8_t FOR_DECRYPT = 0x2E;
    static constexpr size_t BT_SMPCNT = 9;
    static constexpr size_t BT_MEKCNT = 9;
    static constexpr size_t BT_ID_0 = 0;
    static constexpr size_t BT_ID_1 = 1;
    static constexpr uint8_t BT_ID_0_FOR_ENCRYPT = 0;
    static constexpr uint8_t BT_ID_1_FOR_ENCRYPT = 1;
    static constexpr uint8_t BT_ID_0_FOR_DECRYPT = 0;
    static constexpr uint8_t BT_ID_1_FOR_DECRYPT = 5;

    // An operation message with its counter byte bit-reversed and then XOR-ed with FOR_ENCRYPT;
    // any other message unchanged.
    static foundation::Bytes encrypt(const foundation::Bytes& target);
    // The same in place, for a message built on the stack.
    static void encryptInPlace(std::span<uint8_t> message);
    // A control-state request with its counter byte XOR-ed with FOR_DECRYPT and then its halves
    // exchanged; any other message unchanged.
    static foundation::Bytes decrypt(const foundation::Bytes& target);
    // The same transforms of the counter byte alone, for a message whose id is already known.
    static uint8_t encryptCounter(uint8_t counter);
    static uint8_t decryptCounter(uint8_t counter);
};

} // namespace tolvane
