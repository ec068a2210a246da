#pragma once

#include "Internal/Model/RequiredDisplayId.h"

namespace tolvane {

// What the application reports about the screens it shows.
class IDisplayModel {
public:
    virtual ~IDisplayModel() = default;
    virtual void notifyTransitionDisplay(RequiredDisplayId displayId) = 0;
    virtual void notifyWaitingConnectConfirm() = 0;
    virtual void notifyDisplayOutsideSdkControl(bool isDisplay) = 0;
    virtual void notifyDisplayPopup(bool isDisplay) = 0;
};

} // namespace tolvane
