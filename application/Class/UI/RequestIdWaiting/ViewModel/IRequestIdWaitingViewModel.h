#pragma once

namespace tolvane::app {

// The request-id waiting view model as its screen sees it. Main thread only.
class IRequestIdWaitingViewModel {
public:
    virtual ~IRequestIdWaitingViewModel() = default;
    // On every appearance: starts the 30 s sensing time-out unless one is pending or the wait
    // timed out already.
    virtual void startSensingTimeoutTimer() = 0;
    virtual void stopSensingTimeoutTimer() = 0;
};

} // namespace tolvane::app
