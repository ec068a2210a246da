#pragma once

#include "rx/Cancellable.h"

#include <memory>

namespace tolvane {

class IInternalCautionData;
class IInternalDisplayData;

// The send cycle shows the standing cause while a link is open. Without one, a cause the framework
// raises on its own (the link watchdogs' halt and stop, the countdowns of the unit's errors) would
// wait unseen for a link that may never come back, so while watching each raised cause is shown as
// a send cycle would show it. Main loop only.
class UnlinkedCauseScreen : public std::enable_shared_from_this<UnlinkedCauseScreen> {
public:
    UnlinkedCauseScreen(std::shared_ptr<IInternalCautionData> cautionData,
                        std::shared_ptr<IInternalDisplayData> displayData);

    // The link closed: the standing cause is shown as by the cycle that ended with it, then each
    // raised one.
    void startWatching();
    void stopWatching();

private:
    void showTopCause() const;

    const std::shared_ptr<IInternalCautionData> cautionData;
    const std::shared_ptr<IInternalDisplayData> displayData;
    rx::CancellableSet watch;
};

} // namespace tolvane
