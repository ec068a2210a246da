#pragma once

#include "foundation/EnumCases.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace tolvane::app {

#define TOLVANE_CUSTOM_ALERT_CONTROLLER_ACTIONS(X) \
    X(cancel, 0) \
    X(defaultAction, 1) \
    X(destructive, 2)

enum class CustomAlertControllerAction : uint8_t {
#define TOLVANE_CASE(name, raw) name = raw,
    TOLVANE_CUSTOM_ALERT_CONTROLLER_ACTIONS(TOLVANE_CASE)
#undef TOLVANE_CASE
};

// One button of a custom alert: its title, style and what a tap on it does after the alert is gone.
class CustomAlertAction : public std::enable_shared_from_this<CustomAlertAction> {
public:
    using Handler = std::function<void(CustomAlertAction&)>;

    CustomAlertAction(std::optional<std::string> title, CustomAlertControllerAction style, Handler handler)
        : handler_(std::move(handler)), style_(style), title_(std::move(title))
    {
    }

    const Handler& handler() const { return handler_; }
    CustomAlertControllerAction style() const { return style_; }
    const std::optional<std::string>& title() const { return title_; }

private:
    Handler handler_;
    CustomAlertControllerAction style_;
    std::optional<std::string> title_;
};

} // namespace tolvane::app

template <>
struct foundation::EnumCases<tolvane::app::CustomAlertControllerAction> {
    using E = tolvane::app::CustomAlertControllerAction;
    static constexpr std::array all{
#define TOLVANE_CASE(name, raw) E::name,
        TOLVANE_CUSTOM_ALERT_CONTROLLER_ACTIONS(TOLVANE_CASE)
#undef TOLVANE_CASE
    };
};
