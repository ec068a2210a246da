#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <variant>

namespace tolvane::app {

class ITransitionManager;

// The stand-alone program's TOLVANE_OPEN_SCREEN: one screen opened over the first screen, so that a
// screen no route reaches yet can be looked at. The value is a storyboard name ("Settings"), or a
// screen with its argument: "Warn:<cause or warning kind>", "IGONWarn:<cause>". Main thread only.
class StartScreenOption {
public:
    static constexpr const char* environmentVariable = "TOLVANE_OPEN_SCREEN";

    // Opens the screen a value names; returns why it could not (empty when it opened).
    using Open = std::function<std::string(ITransitionManager& router)>;
    struct Opening {
        Open open;
        // A screen of the road to a run (a storyboard's name) opens over the first screen the start
        // checks hand over to, so that the run has its car and its history row as on that road; an
        // end screen (with its argument) opens at once over the start screen, to be looked at.
        bool overTheFirstScreen = false;
    };

    // The opening a value asks for, or why it names no screen.
    static std::variant<Opening, std::string> read(std::string_view value);
    // Reads and opens at once; returns why it could not (empty when it opened).
    static std::string open(std::string_view value, ITransitionManager& router);
    // Opens when the opening asks to (see Opening); `failed` hears why it could not.
    static void openWhenDue(Opening opening, std::shared_ptr<ITransitionManager> router,
                            std::function<void(const std::string&)> failed);
};

} // namespace tolvane::app
