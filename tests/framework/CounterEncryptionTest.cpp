#include "Internal/Model/CounterEncryption.h"

#include <gtest/gtest.h>

namespace {

using foundation::Bytes;
using tolvane::CounterEncryption;

Bytes message(uint8_t id0, uint8_t id1, uint8_t counter)
{
    return {id0, id1, 0x08, 0x11, 0x22, 0x33, 0x44, 0x55, 0x66, counter, 0x77};
}

struct CounterCase {
    uint8_t before;
    uint8_t after;
};

TEST(CounterEncryptionTest, EncryptReversesTheBitsOfTheOperationCounterThenMasksThem)
{
    // Bit reversal alone: 01 -> 80, 0F -> F0, 5A -> 5A; then XOR 6B. D5 and 0D scramble to the two
    // bytes that framing has to escape.
    const std::vector<CounterCase> cases = {
        {0x01, 0x80 ^ 0x6B}, {0x0F, 0xF0 ^ 0x6B}, {0x5A, 0x5A ^ 0x6B}, {0x00, 0x6B},
        {0x19, 0xF3},        {0xFF, 0x94},        {0x0D, 0xDB},        {0xD5, 0xC0},
    };
    for (const CounterCase& c : cases) {
        Bytes expected = message(0x00, 0x01, c.after);
        EXPECT_EQ(CounterEncryption::encrypt(message(0x00, 0x01, c.before)), expected) << int(c.before);
    }
}

TEST(CounterEncryptionTest, DecryptUnmasksTheVehicleCounterThenSwapsItsHalves)
{
    // 3C unmasks to 12, whose halves swap to 21.
    const std::vector<CounterCase> cases = {
        {0x3C, 0x21}, {0x2E, 0x00}, {0x00, 0xE2}, {0xBF, 0x19}, {0x3E, 0x01}, {0xD1, 0xFF},
    };
    for (const CounterCase& c : cases)
        EXPECT_EQ(CounterEncryption::decrypt(message(0x00, 0x05, c.before)), message(0x00, 0x05, c.after))
            << int(c.before);
}

TEST(CounterEncryptionTest, EachTransformTouchesOnlyItsOwnMessage)
{
    for (const auto& [id0, id1] : std::vector<std::pair<uint8_t, uint8_t>>{{0x00, 0x05}, {0x00, 0x02}, {0x01, 0x01}, {0x00, 0x00}}) {
        const Bytes other = message(id0, id1, 0x19);
        EXPECT_EQ(CounterEncryption::encrypt(other), other);
    }
    for (const auto& [id0, id1] : std::vector<std::pair<uint8_t, uint8_t>>{{0x00, 0x01}, {0x00, 0x04}, {0x01, 0x05}}) {
        const Bytes other = message(id0, id1, 0x19);
        EXPECT_EQ(CounterEncryption::decrypt(other), other);
    }
}

TEST(CounterEncryptionTest, DecryptIsNotTheInverseOfEncrypt)
{
    const Bytes sent = CounterEncryption::encrypt(message(0x00, 0x01, 0x19));
    Bytes echoed = sent;
    echoed[1] = 0x05;
    EXPECT_NE(CounterEncryption::decrypt(echoed)[9], 0x19);
}

TEST(CounterEncryptionTest, MessagesTooShortForACounterComeBackUnchanged)
{
    const std::vector<Bytes> cases = {
        {},
        {0x00},
        {0x00, 0x01},
        {0x00, 0x01, 0x08, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00},
        {0x00, 0x05, 0x00, 0x40, 0xFC, 0x01, 0x50, 0x05, 0x00},
    };
    for (const Bytes& shortMessage : cases) {
        EXPECT_EQ(CounterEncryption::encrypt(shortMessage), shortMessage) << shortMessage.size();
        EXPECT_EQ(CounterEncryption::decrypt(shortMessage), shortMessage) << shortMessage.size();
    }
    // Ten bytes are enough to hold the counter.
    const Bytes ten = {0x00, 0x01, 0x08, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00};
    EXPECT_EQ(CounterEncryption::encrypt(ten).back(), 0x6B);
}

} // namespace
