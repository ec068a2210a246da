#pragma once

#include "ui/Responder.h"

#include <optional>

namespace tolvane::app {

// How a host application hands the touches of its window to the feature.
class CustomUIWindowDelegate {
public:
    virtual ~CustomUIWindowDelegate() = default;
    virtual void onTap(std::optional<ui::TouchSet> touchEvent) = 0;
};

} // namespace tolvane::app
