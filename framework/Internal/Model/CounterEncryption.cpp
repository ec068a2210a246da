#include "Internal/Model/CounterEncryption.h"

#include <array>

namespace tolvane {

namespace {

// A message too short to hold a counter byte is passed on as it is rather than read past its end.
bool hasCounterAndIds(std::span<const uint8_t> message, uint8_t id0, uint8_t id1)
{
    return message.size() > CounterEncryption::BT_SMPCNT && message[CounterEncryption::BT_ID_0] == id0
        && message[CounterEncryption::BT_ID_1] == id1;
}

// Exchanges bits x and y; a position outside 0-7 counts as a zero bit.
constexpr uint8_t bitSwap(uint8_t target, int x, int y)
{
    const auto mask = [](int position) -> uint8_t {
        return position >= 0 && position < 8 ? static_cast<uint8_t>(1u << position) : 0;
    };
    const bool bitX = (target & mask(x)) != 0;
    const bool bitY = (target & mask(y)) != 0;
    uint8_t result = target & static_cast<uint8_t>(~(mask(x) | mask(y)));
    if (bitX)
        result |= mask(y);
    if (bitY)
        result |= mask(x);
    return result;
}

// Every counter's scrambled and unscrambled value, worked out once from the bit swaps: the send and
// receive paths look one up per frame.
constexpr std::array<uint8_t, 256> table(uint8_t (*scramble)(uint8_t))
{
    std::array<uint8_t, 256> values{};
    for (int counter = 0; counter < 256; ++counter)
        values[counter] = scramble(static_cast<uint8_t>(counter));
    return values;
}

constexpr uint8_t encryptedBySwaps(uint8_t counter)
{
    counter = bitSwap(counter, 7, 0);
    counter = bitSwap(counter, 6, 1);
    counter = bitSwap(counter, 5, 2);
    counter = bitSwap(counter, 4, 3);
    return counter ^ CounterEncryption::FOR_ENCRYPT;
}

constexpr uint8_t decryptedBySwaps(uint8_t counter)
{
    counter ^= CounterEncryption::FOR_DECRYPT;
    counter = bitSwap(counter, 7, 3);
    counter = bitSwap(counter, 6, 2);
    counter = bitSwap(counter, 5, 1);
    return bitSwap(counter, 4, 0);
}

constexpr auto kEncrypted = table(encryptedBySwaps);
constexpr auto kDecrypted = table(decryptedBySwaps);


} // namespace

foundation::Bytes CounterEncryption::encrypt(const foundation::Bytes& target)
{
    foundation::Bytes result = target;
    encryptInPlace(result);
    return result;
}

void CounterEncryption::encryptInPlace(std::span<uint8_t> message)
{
    if (hasCounterAndIds(message, BT_ID_0_FOR_ENCRYPT, BT_ID_1_FOR_ENCRYPT))
        message[BT_SMPCNT] = encryptCounter(message[BT_SMPCNT]);
}

foundation::Bytes CounterEncryption::decrypt(const foundation::Bytes& target)
{
    if (!hasCounterAndIds(target, BT_ID_0_FOR_DECRYPT, BT_ID_1_FOR_DECRYPT))
        return target;
    foundation::Bytes result = target;
    result[BT_MEKCNT] = decryptCounter(target[BT_MEKCNT]);
    return result;
}

uint8_t CounterEncryption::encryptCounter(uint8_t counter)
{
    return kEncrypted[counter];
}

uint8_t CounterEncryption::decryptCounter(uint8_t counter)
{
    return kDecrypted[counter];
}

} // namespace tolvane
