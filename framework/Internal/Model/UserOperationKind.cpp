#include "Internal/Model/UserOperationKind.h"

#include <array>
#include <type_traits>

namespace tolvane {
namespace {

constexpr uint8_t kGroupShift = 5;
constexpr uint8_t kLowBits = 0x1F;

enum Group : uint8_t {
    parkIn = 0,
    parkOut = 1,
    forwardBackward = 2,
    request = 3,
    cannotStart = 4,
};

constexpr uint8_t byteOf(Group group, uint8_t low)
{
    return static_cast<uint8_t>(group << kGroupShift) | low;
}

// The requests and notifications of group 3, by their index in the group.
constexpr size_t kFirstRequest = 3;
const std::array<UserOperationKind, 8> kRequests{
    UserOperationKind::REQ_CHECK_AVAILABLE_TOLVANE{},   UserOperationKind::REQ_START_TOLVANE{},
    UserOperationKind::REQ_SWICTH_DIRECTION{},          UserOperationKind::REQ_FINISH_OPERATE{},
    UserOperationKind::REQ_INTERRUPT_OPERATE{},         UserOperationKind::NOTIFY_RESTART_DIALOG_OK{},
    UserOperationKind::NOTIFY_SENSING_WAIT_TIME_OUT_FINISH{}, UserOperationKind::REQ_CANCEL{},
};

} // namespace

uint8_t UserOperationKind::toByte() const
{
    return std::visit(
        [this](const auto& operation) -> uint8_t {
            using T = std::decay_t<decltype(operation)>;
            if constexpr (std::is_same_v<T, NOTIFY_DECIDE_SELECTED_DIRECTION_PARK_IN>)
                return byteOf(parkIn, static_cast<uint8_t>(operation.planDirection));
            else if constexpr (std::is_same_v<T, NOTIFY_DECIDE_SELECTED_DIRECTION_PARK_OUT>)
                return byteOf(parkOut, static_cast<uint8_t>(operation.planDirection));
            else if constexpr (std::is_same_v<T, NOTIFY_DECIDE_SELECTED_DIRECTION_FORWARD_BACKWARD>)
                return byteOf(forwardBackward, static_cast<uint8_t>(operation.planDirection));
            else if constexpr (std::is_same_v<T, NOTIFY_CANNOT_START>)
                return byteOf(cannotStart, 0);
            else
                return byteOf(request, static_cast<uint8_t>(value.index() - kFirstRequest));
        },
        value);
}

std::optional<UserOperationKind> UserOperationKind::fromByte(uint8_t byte)
{
    const uint8_t low = byte & kLowBits;
    switch (byte >> kGroupShift) {
    case parkIn:
        if (low <= static_cast<uint8_t>(PlanParkInDirection::RIGHT))
            return NOTIFY_DECIDE_SELECTED_DIRECTION_PARK_IN{static_cast<PlanParkInDirection>(low)};
        return std::nullopt;
    case parkOut:
        if (low <= static_cast<uint8_t>(PlanParkOutDirection::BACKWARD_RIGHT))
            return NOTIFY_DECIDE_SELECTED_DIRECTION_PARK_OUT{static_cast<PlanParkOutDirection>(low)};
        return std::nullopt;
    case forwardBackward:
        if (low <= static_cast<uint8_t>(PlanForwardBackwardDirection::BACKWARD))
            return NOTIFY_DECIDE_SELECTED_DIRECTION_FORWARD_BACKWARD{static_cast<PlanForwardBackwardDirection>(low)};
        return std::nullopt;
    case request:
        if (low < kRequests.size())
            return kRequests[low];
        return std::nullopt;
    case cannotStart:
        if (low == 0)
            return NOTIFY_CANNOT_START{};
        return std::nullopt;
    default:
        return std::nullopt;
    }
}

} // namespace tolvane
