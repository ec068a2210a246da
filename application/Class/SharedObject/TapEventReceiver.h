#pragma once

#include "CustomUIWindowDelegate.h"

#include "rx/Subject.h"

namespace tolvane::app {

// Republishes the touches a host window reports (or their absence).
class TapEventReceiver : public CustomUIWindowDelegate {
public:
    rx::CurrentValueSubject<std::optional<ui::TouchSet>> touchEvent{std::nullopt};

    void onTap(std::optional<ui::TouchSet> touchEvent) override;
};

} // namespace tolvane::app
