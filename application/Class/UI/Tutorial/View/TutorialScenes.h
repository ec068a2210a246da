#pragma once

#include "Class/UI/Tutorial/ViewModel/TutorialMenuFlow.h"

#include <string>
#include <vector>

namespace tolvane::app {

class FirstTutorialFlowViewController;
class FirstTutorialTitleViewController;
class FirstTutorialDisclaimerViewController;
class FirstTutorialConnectingViewController;
class FirstTutorialInsideVehicleViewController;
class FirstTutorialPlanConfirmationViewController;
class FirstTutorialControllingViewController;
class FirstTutorialOutsideVehicleViewController;
class FirstTutorialOverrideViewController;
class FirstTutorialMovieViewController;
class TutorialConnectingViewController;
class TutorialParkInStartViewController;
class TutorialParkOutStartViewController;
class TutorialParkInSelectViewController;
class TutorialParkOutSelectViewController;
class TutorialParkInControlViewController;
class TutorialParkOutControlViewController;
class TutorialOverrideViewController;
class TutorialParkOutDetailViewController;
class TutorialMovieViewController;
class TutorialMenuViewController;
class TutorialStoryboardFlowViewController;

// The tutorials' storyboards: each builder makes its screen's views with their content, connects
// the outlets and wires the actions, as the screen's view is loaded.
class TutorialScenes {
public:
    TutorialScenes() = delete;

    // The page storyboards and the menu's cell nib, which have no view model to inject.
    static void registerPagesAndCells();

    // The pages of a menu tutorial, in order.
    template <class Flow>
    static std::vector<std::string> pageStoryboards();

    static void build(TutorialStoryboardFlowViewController& flow);
    static void build(FirstTutorialFlowViewController& flow);
    static void build(TutorialMenuViewController& menu);

    static void build(FirstTutorialTitleViewController& page);
    static void build(FirstTutorialDisclaimerViewController& page);
    static void build(FirstTutorialConnectingViewController& page);
    static void build(FirstTutorialInsideVehicleViewController& page);
    static void build(FirstTutorialPlanConfirmationViewController& page);
    static void build(FirstTutorialControllingViewController& page);
    static void build(FirstTutorialOutsideVehicleViewController& page);
    static void build(FirstTutorialOverrideViewController& page);
    static void build(FirstTutorialMovieViewController& page);

    static void build(TutorialConnectingViewController& page);
    static void build(TutorialParkInStartViewController& page);
    static void build(TutorialParkOutStartViewController& page);
    static void build(TutorialParkInSelectViewController& page);
    static void build(TutorialParkOutSelectViewController& page);
    static void build(TutorialParkInControlViewController& page);
    static void build(TutorialParkOutControlViewController& page);
    // Both stop pages of the menu tutorials.
    static void build(TutorialOverrideViewController& page);
    static void build(TutorialParkOutDetailViewController& page);
    static void build(TutorialMovieViewController& page);
};

template <>
std::vector<std::string> TutorialScenes::pageStoryboards<TutorialConnectionFlow>();
template <>
std::vector<std::string> TutorialScenes::pageStoryboards<TutorialParkInFlow>();
template <>
std::vector<std::string> TutorialScenes::pageStoryboards<TutorialParkOutFlow>();
template <>
std::vector<std::string> TutorialScenes::pageStoryboards<TutorialMovieFlow>();

} // namespace tolvane::app
