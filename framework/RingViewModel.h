#pragma once

#include "IRingViewModel.h"
#include "TouchPointGate.h"
#include "ui/GestureRecognizer.h"

#include <memory>

namespace ui {
class LongPressGestureRecognizer;
}

namespace tolvane {

// Watches the finger on the ring's view with a long-press recogniser that begins at once, and writes
// its position into the operation record while it rests or moves inside the view, or (0, 0) when it
// lifts, is cancelled or leaves the view. Starts no timer and plays no vibration. Main loop only.
//
// Made with std::make_shared: the recognisers it installs hold it weakly, as their target and
// delegate; the view owns them.
class RingViewModel final : public IRingViewModel,
                            public ui::IGestureRecognizerDelegate,
                            public std::enable_shared_from_this<RingViewModel> {
public:
    RingViewModel(std::shared_ptr<IInternalSendBTData> sendingData, std::shared_ptr<IInternalSdkStateData> sdkStateData,
                  std::shared_ptr<IInternalDisplayData> displayData,
                  std::shared_ptr<IWillArbitrateData> willArbitrateData);

    void setOnTouchListenerOperate(ui::View& view) override;

    // Each event of an installed recogniser.
    void onLongTap(ui::LongPressGestureRecognizer& gesture);
    // The ring's recogniser runs together with the application's own recognisers on the ring.
    bool shouldRecognizeSimultaneously(ui::GestureRecognizer&, ui::GestureRecognizer&) override { return true; }

private:
    TouchPointGate gate;
};

} // namespace tolvane
