#include "Internal/Model/UserOperationKind.h"

#include <gtest/gtest.h>

#include <set>

namespace {

using namespace tolvane;
using K = UserOperationKind;

TEST(UserOperationKindTest, EveryCaseTravelsAsItsByteAndBack)
{
    const std::pair<K, uint8_t> cases[] = {
        {K::NOTIFY_DECIDE_SELECTED_DIRECTION_PARK_IN{PlanParkInDirection::LEFT}, 0x00},
        {K::NOTIFY_DECIDE_SELECTED_DIRECTION_PARK_IN{PlanParkInDirection::RIGHT}, 0x01},
        {K::NOTIFY_DECIDE_SELECTED_DIRECTION_PARK_OUT{PlanParkOutDirection::FORWARD_LEFT}, 0x20},
        {K::NOTIFY_DECIDE_SELECTED_DIRECTION_PARK_OUT{PlanParkOutDirection::FORWARD}, 0x21},
        {K::NOTIFY_DECIDE_SELECTED_DIRECTION_PARK_OUT{PlanParkOutDirection::FORWARD_RIGHT}, 0x22},
        {K::NOTIFY_DECIDE_SELECTED_DIRECTION_PARK_OUT{PlanParkOutDirection::BACKWARD_LEFT}, 0x23},
        {K::NOTIFY_DECIDE_SELECTED_DIRECTION_PARK_OUT{PlanParkOutDirection::BACKWARD}, 0x24},
        {K::NOTIFY_DECIDE_SELECTED_DIRECTION_PARK_OUT{PlanParkOutDirection::BACKWARD_RIGHT}, 0x25},
        {K::NOTIFY_DECIDE_SELECTED_DIRECTION_FORWARD_BACKWARD{PlanForwardBackwardDirection::FORWARD}, 0x40},
        {K::NOTIFY_DECIDE_SELECTED_DIRECTION_FORWARD_BACKWARD{PlanForwardBackwardDirection::BACKWARD}, 0x41},
        {K::REQ_CHECK_AVAILABLE_TOLVANE{}, 0x60},
        {K::REQ_START_TOLVANE{}, 0x61},
        {K::REQ_SWICTH_DIRECTION{}, 0x62},
        {K::REQ_FINISH_OPERATE{}, 0x63},
        {K::REQ_INTERRUPT_OPERATE{}, 0x64},
        {K::NOTIFY_RESTART_DIALOG_OK{}, 0x65},
        {K::NOTIFY_SENSING_WAIT_TIME_OUT_FINISH{}, 0x66},
        {K::REQ_CANCEL{}, 0x67},
        {K::NOTIFY_CANNOT_START{}, 0x80},
    };
    for (const auto& [kind, byte] : cases) {
        SCOPED_TRACE(testing::Message() << "byte " << int(byte));
        EXPECT_EQ(kind.toByte(), byte);
        EXPECT_EQ(K::fromByte(byte), kind);
    }
}

TEST(UserOperationKindTest, EveryOtherByteIsNoCase)
{
    const std::set<int> defined = {0x00, 0x01, 0x20, 0x21, 0x22, 0x23, 0x24, 0x25, 0x40, 0x41,
                                   0x60, 0x61, 0x62, 0x63, 0x64, 0x65, 0x66, 0x67, 0x80};
    for (int byte = 0; byte <= 0xFF; ++byte) {
        if (defined.count(byte) == 0) {
            EXPECT_EQ(K::fromByte(static_cast<uint8_t>(byte)), std::nullopt) << "byte " << byte;
        }
    }
}

} // namespace
