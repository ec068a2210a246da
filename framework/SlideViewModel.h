#pragma once

#include "ISlideViewModel.h"
#include "TouchPointGate.h"
#include "foundation/Clock.h"
#include "foundation/Timer.h"
#include "ui/EdgeInsets.h"

#include <memory>
#include <optional>

namespace tolvane {

class IVibrateControl;

// While the slider is held, writes a point that travels round a circle into the operation record every
// 0.03 s and plays the operating vibration; letting go writes (0, 0) and plays the interruption
// pattern. Main loop only.
//
// Made with std::make_shared: the timer of a hold holds the view model weakly.
class SlideViewModel final : public ISlideViewModel, public std::enable_shared_from_this<SlideViewModel> {
public:
    static constexpr foundation::Seconds timerInterval = 0.03;
    // The side of both squares, in points.
    static constexpr double frameSide = 120;

    SlideViewModel(std::shared_ptr<IInternalSendBTData> sendingData, std::shared_ptr<IInternalSdkStateData> sdkStateData,
                   std::shared_ptr<IInternalDisplayData> displayData,
                   std::shared_ptr<IWillArbitrateData> willArbitrateData,
                   std::shared_ptr<IVibrateControl> vibrateControl);
    ~SlideViewModel() override;

    // Both are worked out on first read from the screen and the safe area at that moment, and kept.
    ui::Rect operateFrame() const override;
    ui::Rect startFrame() const override;
    void onTap(bool isLongTap) override;

private:
    // The insets of the application's first window; none without a window.
    static std::optional<ui::EdgeInsets> safeareaInsets();
    // The square `raise` points above the bottom of the safe area.
    static ui::Rect squareAbove(double raise);
    void tick();

    TouchPointGate gate;
    const std::shared_ptr<IVibrateControl> vibrateControl;
    mutable std::optional<ui::Rect> _operateFrame;
    mutable std::optional<ui::Rect> _startFrame;
    foundation::TimerRef updateDataTimer;
    // On the main loop's clock, so the circle's phase runs on across holds.
    const foundation::Seconds startDate;
};

} // namespace tolvane
