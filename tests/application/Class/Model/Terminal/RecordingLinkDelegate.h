#pragma once

#include "Class/Model/Terminal/TerminalProtocol.h"

#include <string>
#include <vector>

namespace link_testing {

// Records every link event the terminal store reports, by name.
class RecordingLinkDelegate final : public tolvane::app::TerminalProtocol {
public:
    void terminalOpenWillStart() override { calls.push_back("willStart"); }
    void terminalOpenDidSucceed() override { calls.push_back("didSucceed"); }
    void terminalOpenDidFail() override { calls.push_back("didFail"); }
    void terminalErrorOccurred(const std::string& error) override { calls.push_back("error:" + error); }
    void terminalSessionDidEnd() override { calls.push_back("sessionDidEnd"); }
    void terminalCloseDidTimeOut() override { calls.push_back("closeDidTimeOut"); }
    std::vector<std::string> calls;
};

} // namespace link_testing
