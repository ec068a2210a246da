#pragma once

namespace tolvane {

// What every detector offers the detection service.
class IBaseDetectAbnormal {
public:
    virtual ~IBaseDetectAbnormal() = default;
    // From `none` only: starting a running detector changes nothing.
    virtual void startDetect() = 0;
    // From any state, also from `none`.
    virtual void stopDetect() = 0;
    // True in `interrupt` and `suspension`.
    virtual bool isInterrupt() const = 0;
};

} // namespace tolvane
