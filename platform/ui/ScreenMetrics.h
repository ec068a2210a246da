#pragma once

#include "ui/EdgeInsets.h"
#include "ui/Rect.h"

#include <optional>

namespace ui {

// The device's screen: the main screen's bounds and the safe-area insets its windows get. Tests set
// other sizes before they build what reads them.
class ScreenMetrics {
public:
    static constexpr Size defaultScreenSize{390, 844};
    static constexpr EdgeInsets defaultSafeAreaInsets{47, 0, 34, 0};

    static ScreenMetrics& shared();

    Rect mainBounds() const { return {Point{}, screenSize_}; }
    void setScreenSize(const Size& size) { screenSize_ = size; }
    // The insets a new window takes.
    EdgeInsets deviceSafeAreaInsets() const { return safeAreaInsets_; }
    void setDeviceSafeAreaInsets(const EdgeInsets& insets) { safeAreaInsets_ = insets; }
    // The safe-area insets of the first window made and still alive; none without a window.
    std::optional<EdgeInsets> firstWindowSafeAreaInsets() const;
    void resetToDefaults();

private:
    Size screenSize_ = defaultScreenSize;
    EdgeInsets safeAreaInsets_ = defaultSafeAreaInsets;
};

} // namespace ui
