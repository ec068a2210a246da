#pragma once

#include "haptics/IHapticEngine.h"

#include <memory>

namespace haptics {

// The short pulse that tells the user an action succeeded, played on the process-wide haptics
// system. Failures of the haptics are dropped: feedback is never worth an error.
class NotificationFeedbackGenerator {
public:
    // Gets the engine running, so that the first pulse is not late.
    void prepare();
    void notifySuccess();

    // The pulse notifySuccess() plays: two short taps, the second stronger.
    static const HapticPattern& successPattern();

private:
    std::shared_ptr<IHapticEngine> engine_;
};

} // namespace haptics
