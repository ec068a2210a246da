#pragma once

namespace tolvane::app {

// The four tutorials the menu opens, each with the screen name its view model gives.
struct TutorialConnectionFlow {
    static constexpr const char* screenName = "TutorialConnection";
};
struct TutorialParkInFlow {
    static constexpr const char* screenName = "TutorialParkIn";
};
struct TutorialParkOutFlow {
    static constexpr const char* screenName = "TutorialParkOut";
};
struct TutorialMovieFlow {
    static constexpr const char* screenName = "TutorialMovie";
};

} // namespace tolvane::app
