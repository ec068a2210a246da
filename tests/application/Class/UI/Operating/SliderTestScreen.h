#pragma once

#include "OperatingViewModelStub.h"

#include "application/support/ScopedUserDefaults.h"

#include "Class/SharedObject/TapEventReceiver.h"
#include "Class/TolvaneIntegrationAppHelper.h"
#include "Class/UI/Operating/View/Slider/SliderControlNib.h"
#include "Class/UI/Operating/View/Slider/SliderControlView.h"
#include "Class/UI/Operating/ViewModel/IOperatingViewModel.h"

#include "ISlideViewModel.h"
#include "di/Container.h"
#include "foundation/VirtualTime.h"
#include "rx/Subject.h"
#include "ui/TouchDriver.h"
#include "ui/Window.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace operating_testing {

using namespace tolvane;
using namespace tolvane::app;

// The framework's slide view model with the squares of a 390 x 844 screen with a 34-point bottom
// inset; records each onTap.
class RecordingSlideViewModel final : public ISlideViewModel {
public:
    ui::Rect operateFrame() const override { return {135, 570, 120, 120}; }
    ui::Rect startFrame() const override { return {135, 690, 120, 120}; }
    void onTap(bool isLongTap) override { taps.push_back(isLongTap); }
    std::vector<bool> taps;
};

// The operating view model as the hold control sees it: the test publishes its control actions and
// reads what the control asked of it.
class FakeOperatingViewModel final : public OperatingViewModelStub {
public:
    std::optional<ui::Rect> navigationBarSize() const override { return navigationBar; }
    foundation::TimerRef showHintTimer() const override { return hintTimer; }
    void setShowHintTimer(foundation::TimerRef timer) override { hintTimer = std::move(timer); }
    void startShowHintTimer() override { ++hintTimerStarts; }
    void startReleaseShakeGeneratorTimer() override { ++shakes; }
    void displayWarnConfirmation(InAppWarningKind kind) override { warnings.push_back(kind); }

    std::optional<ui::Rect> navigationBar;
    foundation::TimerRef hintTimer;
    int hintTimerStarts = 0;
    int shakes = 0;
    std::vector<InAppWarningKind> warnings;
};

// A slider filling a 390 x 844 window at its origin, over fakes of both view models, with the host's
// statistics recorded.
class SliderTestScreen {
public:
    SliderTestScreen() : SliderTestScreen(nullptr, nullptr) {}
    // Over a slide view model of the caller's that runs on the caller's time.
    SliderTestScreen(std::shared_ptr<ISlideViewModel> slide, foundation::VirtualTime* callersTime)
        : ownTime(callersTime ? nullptr : std::make_unique<foundation::VirtualTime>()), time(callersTime ? *callersTime : *ownTime),
          slideModel(slide ? std::move(slide) : std::make_shared<RecordingSlideViewModel>())
    {
        time.mainLoop();
        auto& helper = TolvaneIntegrationAppHelper::shared();
        helper.statisticsActionBlockAction = [this](const std::map<std::string, std::string>& event) { statistics.push_back(event.at("key")); };
        helper.eventReceiver = receiver;
        auto& container = di::Container::defaultContainer();
        container.registerService<ISlideViewModel>([this](di::Resolver&) { return slideModel; });
        container.registerService<IOperatingViewModel>([this](di::Resolver&) -> std::shared_ptr<IOperatingViewModel> { return model; });
        SliderControlNib::registerNib();
        slider = std::make_shared<SliderControlView>(ui::Rect{0, 0, 390, 844});
        window->addSubview(slider);
        window->layoutIfNeeded();
    }
    ~SliderTestScreen()
    {
        TolvaneIntegrationAppHelper::shared().statisticsActionBlockAction = nullptr;
        TolvaneIntegrationAppHelper::shared().eventReceiver = std::make_shared<TapEventReceiver>();
        window->setRootViewController(nullptr);
    }

    RecordingSlideViewModel& slide() const { return dynamic_cast<RecordingSlideViewModel&>(*slideModel); }
    // Runs another layout pass of the slider.
    void layoutAgain()
    {
        slider->setNeedsLayout();
        slider->layoutIfNeeded();
    }
    // The operating screen has laid itself out: override detection is on from now.
    void screenDidLayout()
    {
        layoutAgain();
        model->controls.send(IOperatingViewModel::ControlAction::didLayoutSubviews{});
    }

    std::unique_ptr<foundation::VirtualTime> ownTime;
    foundation::VirtualTime& time;
    testing_support::ScopedUserDefaults defaults;
    std::shared_ptr<ISlideViewModel> slideModel;
    std::shared_ptr<FakeOperatingViewModel> model = std::make_shared<FakeOperatingViewModel>();
    std::shared_ptr<TapEventReceiver> receiver = std::make_shared<TapEventReceiver>();
    std::shared_ptr<ui::Window> window = std::make_shared<ui::Window>(ui::Rect{0, 0, 390, 844});
    std::shared_ptr<SliderControlView> slider;
    ui::TouchDriver fingers{*window};
    std::vector<std::string> statistics;
};

} // namespace operating_testing
