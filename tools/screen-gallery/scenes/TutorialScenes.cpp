// The gallery's table for the tutorials: the first-run tutorial on its first, middle and last
// pages and its plan page, the first page of each menu tutorial and the two plan previews, the menu, the further-instructions page in Japanese
// (with its links) and English, and every page storyboard on its own.

#include "GalleryScene.h"
#include "GalleryStage.h"

#include "Class/Model/UserDefaultsValues.h"
#include "Class/UI/Tutorial/View/TutorialFlowViewController.h"

namespace screen_gallery {
namespace {

// Swipes page by page, as a finger does, to `page`.
std::function<void(GalleryStage&)> onPage(int page)
{
    return [page](GalleryStage& stage) {
        auto flow = stage.shownController<tolvane::app::TutorialFlowViewController>();
        ui::ScrollView& carousel = flow->carousel();
        for (int shown = 1; shown <= page; ++shown)
            carousel.setContentOffset({carousel.bounds().width() * shown, 0});
    };
}

std::function<void(GalleryStage&)> inLanguage(const std::string& language, const std::string& storyboard)
{
    return [language, storyboard](GalleryStage& stage) {
        tolvane::app::UserDefaultsValues::setLocalizedString(language);
        stage.show(storyboard);
    };
}

const GalleryScenes tutorialScenes{
    {"FirstTutorialFlow", "page0"},
    {"FirstTutorialFlow", "page3", onPage(3)},
    {"FirstTutorialFlow", "page4", onPage(4)},
    {"FirstTutorialFlow", "page5", onPage(5)},
    {"FirstTutorialFlow", "page6", onPage(6)},
    {"TutorialConnectionFlow", "initial"},
    {"TutorialParkInFlow", "initial"},
    {"TutorialParkOutFlow", "initial"},
    // The plan previews playing their demonstrations.
    {"TutorialParkInFlow", "select", onPage(1)},
    {"TutorialParkOutFlow", "select", onPage(1)},
    // The slider's hand half-way through its demonstration.
    {"TutorialParkOutFlow", "control-hand", onPage(2), 1.5},
    {"TutorialMovieFlow", "en", inLanguage("en", "TutorialMovieFlow")},
    {"TutorialMovieFlow", "ja", inLanguage("ja", "TutorialMovieFlow")},
    {"TutorialMenu", "initial"},
    // Every page on its own, as its storyboard lays it out.
    {"FirstTutorialTitle", "page"},
    {"FirstTutorialDisclaimer", "page"},
    {"FirstTutorialConnecting", "page"},
    {"FirstTutorialInsideVehicle", "page"},
    {"FirstTutorialPlanConfirmation", "page"},
    {"FirstTutorialControlling", "page"},
    {"FirstTutorialOutsideVehicle", "page"},
    {"FirstTutorialOverrideView", "page"},
    {"FirstTutorialMovie", "page"},
    {"TutorialConnecting", "page"},
    {"TutorialParkInStart", "page"},
    {"TutorialParkInSelect", "page"},
    {"TutorialParkInControl", "page"},
    {"TutorialParkInOverrideView", "page"},
    {"TutorialParkOutStart", "page"},
    {"TutorialParkOutSelect", "page"},
    {"TutorialParkOutControl", "page"},
    {"TutorialParkOutOverrideView", "page"},
    {"TutorialParkOutDetail", "page"},
    {"TutorialMovie", "page"},
};

} // namespace
} // namespace screen_gallery
