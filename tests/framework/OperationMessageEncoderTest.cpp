#include "Internal/Model/OperationMessageEncoder.h"

#include <gtest/gtest.h>

namespace {

using namespace tolvane;

TEST(OperationMessageEncoderTest, PacksTheRecordScramblesTheCounterAndSumsTheFieldValues)
{
    struct Case {
        const char* name;
        SmpOperation record;
        const char* frame;
    };
    const std::vector<Case> cases = {
        // Byte 10 equals the scrambled zero counter: every other checksum value is 0.
        {"default", {}, "C0 00 01 08 00 00 00 00 00 00 6B 6B C0"},
        {"act on", {.act = BtSmpAct::on}, "C0 00 01 08 04 00 00 00 00 00 6B 6C C0"},
        {"x 1 folds to 2", {.x = 1}, "C0 00 01 08 00 02 00 00 00 00 6B 6D C0"},
        {"x 1022 folds to 1023", {.x = 1022}, "C0 00 01 08 03 FF 00 00 00 00 6B 6A C0"},
        {"x 1023 folds to 1", {.x = 1023}, "C0 00 01 08 00 01 00 00 00 00 6B 6C C0"},
        {"x 1024 folds to 2", {.x = 1024}, "C0 00 01 08 00 02 00 00 00 00 6B 6D C0"},
        {"y 1022 folds to 1023", {.y = 1022}, "C0 00 01 08 00 00 03 FF 00 00 6B 6A C0"},
        // The button sits in bits 7-2 but adds its own value, 62, to the checksum.
        {"longpress", {.btn = BtSmpBtn::longpress}, "C0 00 01 08 00 00 F8 00 00 00 6B A9 C0"},
        {"display id and plan", {.sel = BtSmpSelMd::parkplan6, .disp = BtMekDspId::bluetooth_error},
         "C0 00 01 08 00 00 00 00 FE 06 6B 6F C0"},
        {"only the counter's low byte is sent", {.smpcnt = 0x1FF}, "C0 00 01 08 00 00 00 00 00 00 94 94 C0"},
        {"operating",
         {.act = BtSmpAct::on, .x = 500, .y = 1001, .sel = BtSmpSelMd::parkplan2,
          .disp = BtMekDspId::controlling_inpark, .smpcnt = 25},
         "C0 00 01 08 05 F5 03 EA 40 02 F3 15 C0"},
        {"start", {.act = BtSmpAct::on, .btn = BtSmpBtn::start, .disp = BtMekDspId::connect, .smpcnt = 25},
         "C0 00 01 08 04 00 F0 00 02 00 F3 32 C0"},
        // Bytes equal to END or ESC travel escaped, so the frame grows past 13 bytes.
        {"counter scrambles to END", {.smpcnt = 0xD5}, "C0 00 01 08 00 00 00 00 00 00 DB DC DB DC C0"},
        {"counter scrambles to ESC", {.smpcnt = 0x0D}, "C0 00 01 08 00 00 00 00 00 00 DB DD DB DD C0"},
        {"checksum is END", {.x = 84}, "C0 00 01 08 00 55 00 00 00 00 6B DB DC C0"},
        {"checksum is ESC", {.x = 111}, "C0 00 01 08 00 70 00 00 00 00 6B DB DD C0"},
        {"x' low byte is END", {.x = 191}, "C0 00 01 08 00 DB DC 00 00 00 00 6B 2B C0"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(foundation::hexString(OperationMessageEncoder::encodingOperationCode(c.record), " "), c.frame)
            << c.name;
}

} // namespace
