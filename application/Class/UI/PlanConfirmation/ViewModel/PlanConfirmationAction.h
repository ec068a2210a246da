#pragma once

#include <cstdint>
#include <memory>
#include <type_traits>
#include <variant>

namespace tolvane::app {

class CustomAlertAction;

// A command of the plan confirmation's view model to its screen.
struct PlanConfirmationAction {
    struct showObstacleAlert {
        std::shared_ptr<CustomAlertAction> okAction;
    };
    struct none {};
    struct playPreview {};
    struct stopPreview {};
    struct dismissPresentedViewController {};
    struct applyParkInPlanView {};
    struct applyParkOutPlanView {};
    struct applyForwardBackwardPlanView {};

    using Case = std::variant<showObstacleAlert, none, playPreview, stopPreview, dismissPresentedViewController, applyParkInPlanView,
                              applyParkOutPlanView, applyForwardBackwardPlanView>;

    template <class C>
        requires std::is_constructible_v<Case, C>
    PlanConfirmationAction(C value) : value(std::move(value))
    {
    }

    template <class C>
    bool is() const
    {
        return std::holds_alternative<C>(value);
    }

    Case value;
};

// What covers the plan confirmation, as far as that screen knows.
enum class PopupKind : uint8_t {
    none,
    stopConfirmation,
    settings,
    directionChangeConfirmation,
    endHalfwayConfirmation,
    warning,
    obstacle,
};

// The pop-ups taken down when the screen goes away or unlocks.
constexpr bool isDismissable(PopupKind kind)
{
    return kind == PopupKind::directionChangeConfirmation || kind == PopupKind::endHalfwayConfirmation || kind == PopupKind::obstacle;
}

} // namespace tolvane::app
