#include "Internal/Model/CounterEncryption.h"

namespace tolvane {

namespace {

// A message too short to hold a counter byte is passed on as it is rather than read past its end.
bool hasCounterAndIds(const foundation::Bytes& message, uint8_t id0, uint8_t id1)
{
    return message.size() > CounterEncryption::BT_SMPCNT && message[CounterEncryption::BT_ID_0] == id0
        && message[CounterEncryption::BT_ID_1] == id1;
}

} // namespace

foundation::Bytes CounterEncryption::encrypt(const foundation::Bytes& target)
{
    if (!hasCounterAndIds(target, BT_ID_0_FOR_ENCRYPT, BT_ID_1_FOR_ENCRYPT))
        return target;
    foundation::Bytes result = target;
    result[BT_SMPCNT] = encryptCounter(target[BT_SMPCNT]);
    return result;
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
    counter = bitSwap(counter, 7, 0);
    counter = bitSwap(counter, 6, 1);
    counter = bitSwap(counter, 5, 2);
    counter = bitSwap(counter, 4, 3);
    return counter ^ FOR_ENCRYPT;
}

uint8_t CounterEncryption::decryptCounter(uint8_t counter)
{
    counter ^= FOR_DECRYPT;
    counter = bitSwap(counter, 7, 3);
    counter = bitSwap(counter, 6, 2);
    counter = bitSwap(counter, 5, 1);
    return bitSwap(counter, 4, 0);
}

uint8_t CounterEncryption::bitSwap(uint8_t target, int x, int y)
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

} // namespace tolvane
