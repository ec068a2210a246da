#pragma once

#include "foundation/Bytes.h"

namespace tolvane::app {

// How a terminal reports to its owner, the terminal store.
class TerminalDelegate {
public:
    virtual ~TerminalDelegate() = default;
    // On the receive thread, once for every non-empty chunk read.
    virtual void receivedMessage(const foundation::Bytes& message) = 0;
    // On the main thread, once for each stream that opened.
    virtual void streamOpenCompleted() = 0;
    // On the main thread, after a stream failed.
    virtual void streamErrorOccurred() = 0;
    // On the main thread, after a stream reached its end.
    virtual void streamEndEncountered() = 0;
};

} // namespace tolvane::app
