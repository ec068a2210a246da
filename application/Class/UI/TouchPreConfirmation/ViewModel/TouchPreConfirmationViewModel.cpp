#include "Class/UI/TouchPreConfirmation/ViewModel/TouchPreConfirmationViewModel.h"

#include "Class/Model/CurrentHistoryId.h"
#include "Class/Model/EventStack.h"
#include "Class/Model/ITransitionManager.h"
#include "Class/Model/SelectedCarName.h"
#include "Class/Model/Utility/LogManager.h"
#include "Class/UI/Base/View/HostDismissal.h"
#include "Class/UI/Operating/View/ToleranceFrame.h"
#include "Class/UI/Operating/View/TouchDetectorView.h"

#include "ISlideViewModel.h"
#include "Internal/Model/IDisplayData.h"
#include "foundation/RunLoop.h"
#include "ui/Touch.h"

#include <algorithm>

namespace tolvane::app {

TouchPreConfirmationViewModel::TouchPreConfirmationViewModel(BaseViewModelInjection injection, std::shared_ptr<IDisplayModel>,
                                                             std::shared_ptr<ISlideViewModel> slideViewModel)
    : BaseViewModel(std::move(injection)), slideViewModel(std::move(slideViewModel))
{
}

ui::Rect TouchPreConfirmationViewModel::operateFrame() const
{
    return slideViewModel->operateFrame();
}

void TouchPreConfirmationViewModel::bind(TouchDetectorView& touchDetectorView)
{
    makeGrid();
    cancellables.removeAll();
    std::weak_ptr<TouchPreConfirmationViewModel> weak = std::static_pointer_cast<TouchPreConfirmationViewModel>(shared_from_this());
    cancellables.insert(displayData->reqDisplayId().sink([weak](RequiredDisplayId id) {
        if (auto self = weak.lock())
            self->currentRequiredDisplayId = id;
    }));
    // The view lives as long as the screen, which ends these subscriptions when it disappears.
    const TouchDetectorView* view = &touchDetectorView;
    cancellables.insert(touchDetectorView.touchEvent.publisher().dropFirst().sink([weak, view](const std::optional<TouchEvent>& event) {
        if (auto self = weak.lock(); self && event)
            self->handleTouch(*view, *event);
    }));
}

void TouchPreConfirmationViewModel::makeGrid()
{
    scratchElementCancellables.removeAll();
    scratchElements.clear();
    const ui::Rect frame = operateFrame();
    const int columns = static_cast<int>(frame.width() / elementSize);
    const int rows = static_cast<int>(frame.height() / elementSize);
    for (int x = 0; x < columns; ++x) {
        for (int y = 0; y < rows; ++y) {
            auto cell = std::make_shared<ScratchElementInfo>(
                x, y, ui::Point{frame.minX() + elementSize * x, frame.minY() + elementSize * y}, elementSize, ScratchElementInfo::State::initial);
            std::weak_ptr<ScratchElementInfo> weakCell = cell;
            scratchElementCancellables.insert(touchInfoSubject.publisher().dropFirst().sink([weakCell](const TouchInfo& info) {
                if (auto alive = weakCell.lock())
                    alive->onTouchInfo(info);
            }));
            scratchElementCancellables.insert(actionSubject.publisher().dropFirst().sink([weakCell](TouchPreConfirmationAction action) {
                if (auto alive = weakCell.lock())
                    alive->onAction(action);
            }));
            scratchElements.push_back(std::move(cell));
        }
    }
    if (scratchElements.empty())
        LogManager::print("The target area is smaller than one cell: the touch test cannot pass.", LogLevel::error,
                          {.function = "bind(touchDetectorView:)"});
}

void TouchPreConfirmationViewModel::handleTouch(const TouchDetectorView& view, const TouchEvent& touchEvent)
{
    // A failure waits for the user's answer to its pop-up: the fingers still down score nothing and
    // count as no further failure.
    const auto state = actionSubject.value();
    if (state == TouchPreConfirmationAction::multiTap || state == TouchPreConfirmationAction::waitRestart ||
        state == TouchPreConfirmationAction::cancelApp)
        return;
    if (!touchEvent.event)
        return;
    // Fingers inside the tolerance rectangle (window coordinates) do not count.
    const ui::Rect tolerance = ToleranceFrame::current();
    ui::TouchSet kept;
    std::ranges::copy_if(touchEvent.event->allTouches(), std::back_inserter(kept),
                         [&tolerance](const auto& touch) { return !tolerance.contains(touch->location(nullptr)); });
    if (kept.size() > 1) {
        actionSubject.send(TouchPreConfirmationAction::multiTap);
        return;
    }
    if (kept.empty())
        return;
    const ui::Rect frame = view.superview() ? view.superview()->convert(view.frame(), nullptr) : view.frame();
    touchInfoSubject.send({kept.front()->location(&view) + frame.origin, touchRadius, touchEvent.type});
    const float ratio = passedRatio();
    progressSubject.send(ratio / completeRatio);
    if (actionSubject.value() != TouchPreConfirmationAction::checkComplete && ratio > completeRatio)
        pass();
}

float TouchPreConfirmationViewModel::passedRatio() const
{
    // No cells: no progress, and the test never passes.
    if (scratchElements.empty())
        return 0.0f;
    const auto passed = std::ranges::count_if(scratchElements, [](const auto& cell) { return cell->state == ScratchElementInfo::State::passed; });
    return static_cast<float>(passed) / static_cast<float>(scratchElements.size());
}

void TouchPreConfirmationViewModel::pass()
{
    actionSubject.send(TouchPreConfirmationAction::checkComplete);
    failures = 0;
    currentRequiredDisplayId = RequiredDisplayId::DEF;
    std::weak_ptr<TouchPreConfirmationViewModel> weak = std::static_pointer_cast<TouchPreConfirmationViewModel>(shared_from_this());
    timer = foundation::RunLoop::main().scheduleTimer(transitionWait, false, [weak](foundation::Timer&) {
        if (auto self = weak.lock())
            self->showNextScreen();
    });
}

void TouchPreConfirmationViewModel::showNextScreen()
{
    // Only a start request delivered after the pass counts: the pass forgot the earlier ones.
    switch (currentRequiredDisplayId) {
    case RequiredDisplayId::START_PARK_OUT:
        transitionManager->showParkOutActivation();
        break;
    case RequiredDisplayId::START_PARK_IN:
        transitionManager->showParkInActivation();
        break;
    default:
        transitionManager->showConnecting();
        break;
    }
}

void TouchPreConfirmationViewModel::restart()
{
    actionSubject.send(TouchPreConfirmationAction::reset);
}

void TouchPreConfirmationViewModel::cancelTouchTest()
{
    failures = 0;
    actionSubject.send(TouchPreConfirmationAction::cancelApp);
    EventStack::shared().push(currentHistoryId().copy(), EventCode::E003, selectedCarName());
    std::weak_ptr<TouchPreConfirmationViewModel> weak = std::static_pointer_cast<TouchPreConfirmationViewModel>(shared_from_this());
    dismissHost([weak] {
        if (auto self = weak.lock())
            self->exitAppCycle();
    });
}

void TouchPreConfirmationViewModel::onConnectionFailure()
{
    // A lost link does not leave the test: it is opened again with the stored number of retries.
    std::weak_ptr<TouchPreConfirmationViewModel> weak = std::static_pointer_cast<TouchPreConfirmationViewModel>(shared_from_this());
    foundation::RunLoop::main().post([weak] {
        if (auto self = weak.lock())
            self->startTerminalConnection(0, true);
    });
}

void TouchPreConfirmationViewModel::resetBaseAction()
{
    BaseViewModel::resetBaseAction();
    actionSubject.send(TouchPreConfirmationAction::none);
    currentRequiredDisplayId = RequiredDisplayId::DEF;
    scratchElementCancellables.removeAll();
    scratchElements.clear();
}

} // namespace tolvane::app
