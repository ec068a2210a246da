#pragma once

#include <string>

namespace tolvane::app {

// The life of the accessory link as the terminal store reports it, on the main thread, to the one
// view model set as its delegate.
class TerminalProtocol {
public:
    virtual ~TerminalProtocol() = default;
    // An open passed its refusal checks; the first attempt follows (not before retries).
    virtual void terminalOpenWillStart() = 0;
    // An attempt opened the session, and again for each of its two streams that opened.
    virtual void terminalOpenDidSucceed() = 0;
    // Opening failed for good.
    virtual void terminalOpenDidFail() = 0;
    // A stream failed ("ErrorOccurred"); the session's end follows.
    virtual void terminalErrorOccurred(const std::string& error) = 0;
    // The session ended: the accessory left, a stream ended or failed, or the close timer ran out with
    // the link already gone.
    virtual void terminalSessionDidEnd() = 0;
    // The close timer ran out while the link was still up.
    virtual void terminalCloseDidTimeOut() = 0;
};

} // namespace tolvane::app
