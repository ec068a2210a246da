#include "vehicle-sim/OperationMessageReader.h"

#include "Internal/Model/CheckSum.h"
#include "Internal/Model/CounterEncryption.h"

#include <array>
#include <cstdio>

namespace vehiclesim {
namespace {

uint8_t reversedBits(uint8_t value)
{
    uint8_t reversed = 0;
    for (int bit = 0; bit < 8; ++bit)
        if (value & (1 << bit))
            reversed |= static_cast<uint8_t>(1 << (7 - bit));
    return reversed;
}

const char* buttonName(tolvane::BtSmpBtn button)
{
    switch (button) {
#define TOLVANE_CASE(name, raw) \
    case tolvane::BtSmpBtn::name: \
        return #name;
        TOLVANE_BT_SMP_BTNS(TOLVANE_CASE)
#undef TOLVANE_CASE
    }
    return "?";
}

} // namespace

std::optional<ReadOperation> OperationMessageReader::read(std::span<const uint8_t> message)
{
    if (message.size() != 11 || message[0] != 0x00 || message[1] != 0x01)
        return std::nullopt;
    const uint32_t act = (message[3] >> 2) & 0x01;
    const uint32_t x = ((message[3] & 0x03u) << 8) | message[4];
    const uint32_t button = message[5] >> 2;
    const uint32_t y = ((message[5] & 0x03u) << 8) | message[6];
    const auto btn = foundation::fromRaw<tolvane::BtSmpBtn>(button);
    const auto disp = foundation::fromRaw<tolvane::BtMekDspId>(message[7]);
    const auto sel = foundation::fromRaw<tolvane::BtSmpSelMd>(message[8]);
    if (!btn || !disp || !sel)
        return std::nullopt;

    ReadOperation read;
    read.operation.act = act ? tolvane::BtSmpAct::on : tolvane::BtSmpAct::off;
    read.operation.x = x;
    read.operation.y = y;
    read.operation.btn = *btn;
    read.operation.disp = *disp;
    read.operation.sel = *sel;
    // The phone reverses the counter's bits and then applies its mask.
    read.counter = reversedBits(message[9] ^ tolvane::CounterEncryption::FOR_ENCRYPT);
    read.operation.smpcnt = read.counter;
    const std::array<int64_t, 7> fields{act, x, button, y, message[7], message[8], message[9]};
    const uint32_t sum = tolvane::checkSum(fields);
    read.checksumValid = sum == message[10];
    return read;
}

std::string OperationMessageReader::describe(const ReadOperation& read)
{
    const auto& op = read.operation;
    char text[160];
    std::snprintf(text, sizeof text, "act=%s btn=%s x=%u y=%u sel=%u disp=0x%02X cnt=%u sum=%s",
                  op.act == tolvane::BtSmpAct::on ? "on" : "off", buttonName(op.btn), op.x, op.y,
                  foundation::rawValue(op.sel), foundation::rawValue(op.disp), read.counter,
                  read.checksumValid ? "ok" : "BAD");
    return text;
}

} // namespace vehiclesim
