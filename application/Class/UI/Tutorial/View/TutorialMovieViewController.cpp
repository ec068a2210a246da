#include "Class/UI/Tutorial/View/TutorialMovieViewController.h"

#include "Class/UI/Base/View/TextLanguages.h"
#include "Class/UI/Tutorial/View/Outlet.h"
#include "Class/UI/Tutorial/View/TutorialScenes.h"

#include "R.h"

#include "ui/Label.h"

namespace tolvane::app {

void TutorialMovieViewController::loadView()
{
    TutorialScenes::build(*this);
}

void TutorialMovieViewController::viewDidLoad()
{
    ui::ViewController::viewDidLoad();
    outlet(tutorialMovieText).setText(R::string::localizable::TutorialMovie_Title(textLanguages()));
    setupLinkButtons();
}

} // namespace tolvane::app
