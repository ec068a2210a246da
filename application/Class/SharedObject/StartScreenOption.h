#pragma once

#include <string>
#include <string_view>

namespace tolvane::app {

class ITransitionManager;

// The stand-alone program's TOLVANE_OPEN_SCREEN: one screen opened over the first screen, so that a
// screen no route reaches yet can be looked at. The value is a storyboard name ("Settings"), or a
// screen with its argument: "Warn:<cause or warning kind>", "IGONWarn:<cause>". Main thread only.
class StartScreenOption {
public:
    static constexpr const char* environmentVariable = "TOLVANE_OPEN_SCREEN";

    // Opens the named screen; returns why it could not (empty when it opened).
    static std::string open(std::string_view value, ITransitionManager& router);
};

} // namespace tolvane::app
