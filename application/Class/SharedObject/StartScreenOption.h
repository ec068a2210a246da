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
    using Opening = std::function<std::string(ITransitionManager& router)>;

    // The opening a value asks for, or why it names no screen.
    static std::variant<Opening, std::string> read(std::string_view value);
    // Reads and opens at once; returns why it could not (empty when it opened).
    static std::string open(std::string_view value, ITransitionManager& router);
    // Opens once the start checks have handed over to the first screen and it has appeared, so that
    // the run has its history row and its car as on the road to the screen; `failed` hears why an
    // opening could not open.
    static void openOverTheFirstScreen(Opening opening, std::shared_ptr<ITransitionManager> router,
                                       std::function<void(const std::string&)> failed);
};

} // namespace tolvane::app
