#pragma once

#include "Internal/Model/PlanForwardBackwardDirection.h"
#include "Internal/Model/PlanParkInDirection.h"
#include "Internal/Model/PlanParkOutDirection.h"

#include <cstdint>
#include <optional>
#include <type_traits>
#include <variant>

namespace tolvane {

// One thing the user did on the application's screens. Built from its case:
//   userOperationModel.notifyUserOperation(UserOperationKind::REQ_START_TOLVANE{});
//   userOperationModel.notifyUserOperation(
//       UserOperationKind::NOTIFY_DECIDE_SELECTED_DIRECTION_PARK_IN{PlanParkInDirection::LEFT});
// Between the libraries it is one byte: the top three bits give the case group, the low five the
// direction (plan cases) or the case index (requests and notifications).
struct UserOperationKind {
    struct NOTIFY_DECIDE_SELECTED_DIRECTION_PARK_IN {
        PlanParkInDirection planDirection;
        bool operator==(const NOTIFY_DECIDE_SELECTED_DIRECTION_PARK_IN&) const = default;
    };
    struct NOTIFY_DECIDE_SELECTED_DIRECTION_PARK_OUT {
        PlanParkOutDirection planDirection;
        bool operator==(const NOTIFY_DECIDE_SELECTED_DIRECTION_PARK_OUT&) const = default;
    };
    struct NOTIFY_DECIDE_SELECTED_DIRECTION_FORWARD_BACKWARD {
        PlanForwardBackwardDirection planDirection;
        bool operator==(const NOTIFY_DECIDE_SELECTED_DIRECTION_FORWARD_BACKWARD&) const = default;
    };
    // Requests and notifications without a value.
    struct REQ_CHECK_AVAILABLE_TOLVANE { bool operator==(const REQ_CHECK_AVAILABLE_TOLVANE&) const = default; };
    struct REQ_START_TOLVANE { bool operator==(const REQ_START_TOLVANE&) const = default; };
    struct REQ_SWICTH_DIRECTION { bool operator==(const REQ_SWICTH_DIRECTION&) const = default; };
    struct REQ_FINISH_OPERATE { bool operator==(const REQ_FINISH_OPERATE&) const = default; };
    struct REQ_INTERRUPT_OPERATE { bool operator==(const REQ_INTERRUPT_OPERATE&) const = default; };
    struct NOTIFY_RESTART_DIALOG_OK { bool operator==(const NOTIFY_RESTART_DIALOG_OK&) const = default; };
    struct NOTIFY_SENSING_WAIT_TIME_OUT_FINISH { bool operator==(const NOTIFY_SENSING_WAIT_TIME_OUT_FINISH&) const = default; };
    struct REQ_CANCEL { bool operator==(const REQ_CANCEL&) const = default; };
    struct NOTIFY_CANNOT_START { bool operator==(const NOTIFY_CANNOT_START&) const = default; };

    // The cases in declaration order.
    using Case = std::variant<NOTIFY_DECIDE_SELECTED_DIRECTION_PARK_IN, NOTIFY_DECIDE_SELECTED_DIRECTION_PARK_OUT,
                              NOTIFY_DECIDE_SELECTED_DIRECTION_FORWARD_BACKWARD, REQ_CHECK_AVAILABLE_TOLVANE,
                              REQ_START_TOLVANE, REQ_SWICTH_DIRECTION, REQ_FINISH_OPERATE, REQ_INTERRUPT_OPERATE,
                              NOTIFY_RESTART_DIALOG_OK, NOTIFY_SENSING_WAIT_TIME_OUT_FINISH, REQ_CANCEL,
                              NOTIFY_CANNOT_START>;

    template <class C>
        requires std::is_constructible_v<Case, C>
    UserOperationKind(C value) : value(value)
    {
    }

    bool operator==(const UserOperationKind&) const = default;

    uint8_t toByte() const;
    // None for every byte that is no case (a direction or case index out of range, or a group above 4).
    static std::optional<UserOperationKind> fromByte(uint8_t byte);

    Case value;
};

} // namespace tolvane
