#pragma once

#include "Class/UI/Operating/ViewModel/IOperatingViewModel.h"

#include "rx/Subject.h"

namespace operating_testing {

// The operating view model's members answering nothing; fakes override what they record.
class OperatingViewModelStub : public tolvane::app::IOperatingViewModel {
public:
    rx::Publisher<Action> action() const override { return actions.publisher(); }
    rx::Publisher<ControlAction> controlAction() const override { return controls.publisher(); }
    rx::Publisher<ClearSonerDetectionAction> clearSonerDetectionAction() const override { return sonar.publisher(); }
    void sendControlAction(const ControlAction& action) override { controls.send(action); }
    std::optional<ui::Rect> navigationBarSize() const override { return std::nullopt; }
    void setNavigationBarSize(std::optional<ui::Rect>) override {}
    std::optional<PopupKind> presentedPopup() const override { return std::nullopt; }
    foundation::TimerRef showHintTimer() const override { return nullptr; }
    void setShowHintTimer(foundation::TimerRef) override {}
    void operatingWillAppear() override {}
    void willDisappear() override {}
    void dismissPresentedPopup() override {}
    void willPresentViewController(bool) override {}
    void stopTimers() override {}
    void didRequestDirectionChange() override {}
    void didRequestInterrupt() override {}
    void didRequestEndHalfway() override {}
    void startShowHintTimer() override {}
    void startReleaseShakeGeneratorTimer() override {}

    rx::Published<Action> actions{Action::none{}};
    rx::Published<ControlAction> controls{ControlAction::none{}};
    rx::Published<ClearSonerDetectionAction> sonar{ClearSonerDetectionAction::none{}};
};

} // namespace operating_testing
