#pragma once

#include "Class/UI/Base/View/InAppWarningKind.h"

#include "Internal/Model/ObstacleDistance.h"
#include "Internal/Model/ObstaclePosition.h"
#include "Internal/Model/OperateDirection.h"
#include "foundation/Timer.h"
#include "rx/Publisher.h"
#include "ui/Rect.h"

#include <map>
#include <memory>
#include <optional>
#include <type_traits>
#include <variant>

namespace tolvane::app {

class CustomAlertAction;

// The operating screen's view model as the screen, the hold controls, the sonar view and the drive
// progress view reach it. One object serves the whole process.
class IOperatingViewModel {
public:
    // Commands to the screen and the drive progress view.
    struct Action {
        struct setStateDirectionChangeForwardButton {
            bool isHidden;
            bool isEnable;
        };
        struct setStateDirectionChangeBackwardButton {
            bool isHidden;
            bool isEnable;
        };
        struct setStateEndHalfwayView {
            bool isHidden;
            bool isEnable;
        };
        struct setStateInterruptView {
            bool isHidden;
            bool isEnable;
        };
        struct setStatePowerOffButtonHintView {
            bool isHidden;
        };
        struct showEndHalfwayConfirmationPopup {
            std::shared_ptr<CustomAlertAction> yesAction;
            std::shared_ptr<CustomAlertAction> noAction;
        };
        struct applyDriveDirectionAndProgress {
            OperateDirection direction;
            // Metres.
            double remainDistance;
        };
        struct none {};
        struct initView {};
        struct dismissPresentedViewController {};

        using Case = std::variant<setStateDirectionChangeForwardButton, setStateDirectionChangeBackwardButton, setStateEndHalfwayView,
                                  setStateInterruptView, setStatePowerOffButtonHintView, showEndHalfwayConfirmationPopup,
                                  applyDriveDirectionAndProgress, none, initView, dismissPresentedViewController>;

        template <class C>
            requires std::is_constructible_v<Case, C>
        Action(C value) : value(std::move(value))
        {
        }

        Case value;
    };

    // Commands to the hold control and to the views that must stop observing.
    struct ControlAction {
        struct setActive {
            bool isActive;
        };
        // In the vehicle's distance units.
        struct setProgress {
            double value;
            double maxValue;
        };
        struct none {};
        struct playHintAnimation {};
        struct didLayoutSubviews {};
        struct willDisappear {};

        using Case = std::variant<setActive, setProgress, none, playHintAnimation, didLayoutSubviews, willDisappear>;

        template <class C>
            requires std::is_constructible_v<Case, C>
        ControlAction(C value) : value(std::move(value))
        {
        }

        Case value;
    };

    // Commands to the sonar view.
    struct ClearSonerDetectionAction {
        struct setObstaclePositions {
            std::map<ObstaclePosition, ObstacleDistance> obstacles;
        };
        struct setIsMovingObjects {
            bool isMovingObjects;
        };
        struct none {};

        using Case = std::variant<setObstaclePositions, setIsMovingObjects, none>;

        template <class C>
            requires std::is_constructible_v<Case, C>
        ClearSonerDetectionAction(C value) : value(std::move(value))
        {
        }

        Case value;
    };

    enum class PopupKind { stopConfirmation, settings, directionChangeConfirmation, endHalfwayConfirmation, warning, obstacle };

    virtual ~IOperatingViewModel() = default;

    // Each hands over its current command at once, then every later one.
    virtual rx::Publisher<Action> action() const = 0;
    virtual rx::Publisher<ControlAction> controlAction() const = 0;
    virtual rx::Publisher<ClearSonerDetectionAction> clearSonerDetectionAction() const = 0;
    // The screen tells the hold control and the views what it did (its layout pass).
    virtual void sendControlAction(const ControlAction& action) = 0;

    // The navigation bar's frame in window coordinates, set by the screen when it loads.
    virtual std::optional<ui::Rect> navigationBarSize() const = 0;
    virtual void setNavigationBarSize(std::optional<ui::Rect> frame) = 0;
    virtual std::optional<PopupKind> presentedPopup() const = 0;
    // A control that sees a long press ends the pending hint.
    virtual foundation::TimerRef showHintTimer() const = 0;
    virtual void setShowHintTimer(foundation::TimerRef timer) = 0;

    // The screen's own appearance step. It has a name of its own: the base view model's willAppear()
    // hook runs on every appearance of any screen, and this one only when the operating screen says so.
    virtual void operatingWillAppear() = 0;
    virtual void willDisappear() = 0;
    virtual void dismissPresentedPopup() = 0;
    virtual void willPresentViewController(bool isWarning) = 0;
    virtual void stopTimers() = 0;

    virtual void didRequestDirectionChange() = 0;
    virtual void didRequestInterrupt() = 0;
    // Also called by the base view model's interruption pop-up when the user ends to get into the car.
    virtual void didRequestEndHalfway() = 0;

    // Brings the hint back after a pause.
    virtual void startShowHintTimer() = 0;
    // One vibration pulse; the generator is kept for a while after the last one.
    virtual void startReleaseShakeGeneratorTimer() = 0;
    virtual void displayWarnConfirmation(InAppWarningKind appWarningKind) = 0;
};

} // namespace tolvane::app
