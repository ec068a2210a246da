#include "ui/ScreenMetrics.h"

#include "ui/Window.h"

namespace ui {

ScreenMetrics& ScreenMetrics::shared()
{
    static ScreenMetrics metrics;
    return metrics;
}

std::optional<EdgeInsets> ScreenMetrics::firstWindowSafeAreaInsets() const
{
    const auto& windows = Window::allWindows();
    if (windows.empty())
        return std::nullopt;
    return windows.front()->safeAreaInsets();
}

void ScreenMetrics::resetToDefaults()
{
    screenSize_ = defaultScreenSize;
    safeAreaInsets_ = defaultSafeAreaInsets;
}

} // namespace ui
