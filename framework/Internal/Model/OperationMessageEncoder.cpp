#include "Internal/Model/OperationMessageEncoder.h"

#include "Internal/Model/CheckSum.h"
#include "Internal/Model/CounterEncryption.h"
#include "Internal/Model/SLIP.h"

#include <array>

namespace tolvane {

namespace {

// Coordinates travel in 10 bits with 0 reserved for "no touch": any other value folds into 1-1023,
// so 1023 itself becomes 1.
uint32_t foldedCoordinate(uint32_t value)
{
    return value == 0 ? 0 : value % 1023 + 1;
}

} // namespace

foundation::Bytes OperationMessageEncoder::encodingOperationCode(const SmpOperation& operation)
{
    const uint32_t act = foundation::rawValue(operation.act);
    const uint32_t x = foldedCoordinate(operation.x);
    const uint32_t btn = foundation::rawValue(operation.btn);
    const uint32_t y = foldedCoordinate(operation.y);
    const uint32_t disp = foundation::rawValue(operation.disp);
    const uint32_t sel = foundation::rawValue(operation.sel);

    const auto id = foundation::bigEndianArray(foundation::rawValue(operation.btid));
    std::array<uint8_t, 11> message{};
    message[0] = id[0];
    message[1] = id[1];
    message[2] = 0x08;
    message[3] = static_cast<uint8_t>(((act << 2) & 0x04) | ((x >> 8) & 0x03));
    message[4] = static_cast<uint8_t>(x & 0xFF);
    message[5] = static_cast<uint8_t>(((btn << 2) & 0xFC) | ((y >> 8) & 0x03));
    message[6] = static_cast<uint8_t>(y & 0xFF);
    message[7] = static_cast<uint8_t>(disp & 0xFF);
    message[8] = static_cast<uint8_t>(sel & 0xFF);
    message[9] = static_cast<uint8_t>(operation.smpcnt & 0xFF);

    CounterEncryption::encryptInPlace(message);
    // The sum of the field values, not of the bytes: x' and y' whole, the button unshifted, the
    // counter as scrambled on the wire.
    message[10] = static_cast<uint8_t>(checkSum(std::array<int64_t, 7>{act, x, btn, y, disp, sel, message[9]}) & 0xFF);
    return SLIP::encode(message);
}

} // namespace tolvane
