#pragma once

namespace tolvane {

// The application reports its own lifecycle: a reboot of the vehicle link, the end of the framework's
// work with the vehicle, and its moves to and from the background.
class ISdkModel {
public:
    virtual ~ISdkModel() = default;
    virtual void notifyReboot() = 0;
    // Every store returns to its initial values; the link flag stays.
    virtual void requestFinishSdk() = 0;
    virtual void notifyMoveToBackground() = 0;
    virtual void notifyMoveToForeground() = 0;
};

} // namespace tolvane
