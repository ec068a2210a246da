#pragma once

#include <cstdint>

namespace tolvane {

// State of an operation button: not shown, shown but disabled, shown and enabled.
// The application names the cases and relies on their order.
enum class OperateReq : uint8_t {
    HIDDEN,
    DISABLE,
    ENABLE,
};

} // namespace tolvane
