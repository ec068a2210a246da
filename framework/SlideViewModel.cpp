#include "SlideViewModel.h"

#include "Internal/Model/IVibrateControl.h"
#include "foundation/RunLoop.h"
#include "ui/ScreenMetrics.h"

#include <cmath>

namespace tolvane {
namespace {

// The point travels round this circle, one radian per second.
constexpr double kCircleCentre = 501;
constexpr double kCircleRadius = 500;

} // namespace

SlideViewModel::SlideViewModel(std::shared_ptr<IInternalSendBTData> sendingData,
                               std::shared_ptr<IInternalSdkStateData> sdkStateData,
                               std::shared_ptr<IInternalDisplayData> displayData,
                               std::shared_ptr<IWillArbitrateData> willArbitrateData,
                               std::shared_ptr<IVibrateControl> vibrateControl)
    : gate(std::move(sendingData), std::move(sdkStateData), std::move(displayData), std::move(willArbitrateData)),
      vibrateControl(std::move(vibrateControl)), startDate(foundation::RunLoop::main().clock().now())
{
}

SlideViewModel::~SlideViewModel()
{
    if (updateDataTimer)
        updateDataTimer->invalidate();
}

ui::Rect SlideViewModel::operateFrame() const
{
    if (!_operateFrame)
        _operateFrame = squareAbove(2 * frameSide);
    return *_operateFrame;
}

ui::Rect SlideViewModel::startFrame() const
{
    if (!_startFrame)
        _startFrame = squareAbove(frameSide);
    return *_startFrame;
}

std::optional<ui::EdgeInsets> SlideViewModel::safeareaInsets()
{
    return ui::ScreenMetrics::shared().firstWindowSafeAreaInsets();
}

ui::Rect SlideViewModel::squareAbove(double raise)
{
    const ui::Rect screen = ui::ScreenMetrics::shared().mainBounds();
    const double bottomInset = safeareaInsets().value_or(ui::EdgeInsets{}).bottom;
    return {(screen.width() - frameSide) / 2, screen.height() - raise - bottomInset, frameSide, frameSide};
}

void SlideViewModel::onTap(bool isLongTap)
{
    if (isLongTap) {
        if (updateDataTimer)
            return;
        std::weak_ptr<SlideViewModel> weakSelf = weak_from_this();
        updateDataTimer = foundation::RunLoop::main().scheduleTimer(timerInterval, true, [weakSelf](foundation::Timer& timer) {
            auto self = weakSelf.lock();
            if (!self) {
                timer.invalidate();
                return;
            }
            self->tick();
        });
        vibrateControl->startVibrate(VibrationKind::operating);
        return;
    }

    if (!updateDataTimer)
        return;
    const bool wasValid = updateDataTimer->isValid();
    updateDataTimer->invalidate();
    updateDataTimer.reset();
    gate.setSendLocation(std::nullopt);
    vibrateControl->stopVibrate();
    if (wasValid)
        vibrateControl->startVibrate(VibrationKind::interruption);
}

void SlideViewModel::tick()
{
    const double t = foundation::RunLoop::main().clock().now() - startDate;
    gate.setSendLocation(ui::Point{kCircleCentre + kCircleRadius * std::sin(t), kCircleCentre + kCircleRadius * std::cos(t)});
}

} // namespace tolvane
