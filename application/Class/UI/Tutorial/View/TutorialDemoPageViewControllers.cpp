#include "Class/UI/Tutorial/View/TutorialDemoPageViewControllers.h"

#include "Class/UI/Base/View/TextLanguages.h"
#include "Class/UI/Tutorial/View/Outlet.h"
#include "Class/UI/Tutorial/View/TutorialScenes.h"

#include "R.h"

#include "Class/UI/Operating/View/Animation/OperateAnimation.h"
#include "Class/UI/Operating/View/Slider/SliderControlView.h"
#include "Class/UI/PlanConfirmation/View/FrontBackPreview.h"
#include "Class/UI/PlanConfirmation/View/InPreview.h"

#include "ui/Label.h"

namespace tolvane::app {

namespace text = R::string::localizable;

void TutorialParkInSelectViewController::loadView()
{
    TutorialScenes::build(*this);
}

void TutorialParkOutSelectViewController::loadView()
{
    TutorialScenes::build(*this);
}

void TutorialParkInControlViewController::loadView()
{
    TutorialScenes::build(*this);
}

void TutorialParkOutControlViewController::loadView()
{
    TutorialScenes::build(*this);
}

void TutorialControlPageViewController::viewWillAppear(bool animated)
{
    ui::ViewController::viewWillAppear(animated);
    outlet(sliderControl).startTutorialAnimation();
}

void TutorialControlPageViewController::viewWillDisappear(bool animated)
{
    ui::ViewController::viewWillDisappear(animated);
    SliderControlView& slider = outlet(sliderControl);
    if (const auto& timer = slider.tutorialAnimationTimer())
        timer->invalidate();
    OperateAnimation& animation = *slider.operateAnimation();
    for (const auto& timer : {animation.beforeAnimationTimer, animation.holdingAnimationTimer})
        if (timer)
            timer->invalidate();
}

void TutorialParkInSelectViewController::viewDidLoad()
{
    ui::ViewController::viewDidLoad();
    const auto languages = textLanguages();
    outlet(tutorialInSelecetTitle).setText(text::TutorialParkInSelect_Title(languages));
    outlet(tutorialInSelecetText).setText(text::TutorialParkInSelect_Description(languages));
    outlet(tutorialInSelecetText2).setText(text::TutorialParkInSelect_Supplementation(languages));
    if (inPlanPreview)
        inPlanPreview->playBackToLeftParallelAnimation();
}

void TutorialParkOutSelectViewController::viewDidLoad()
{
    ui::ViewController::viewDidLoad();
    const auto languages = textLanguages();
    outlet(tutorialOutSelectTitle).setText(text::TutorialParkOutSelect_Title(languages));
    outlet(tutorialOutSelectText).setText(text::TutorialParkOutSelect_Description(languages));
    outlet(tutorialOutSelectText2).setText(text::TutorialParkOutSelect_Supplementation(languages));
    // From here on the preview's two buttons replay their animations instead of choosing a plan.
    FrontBackPreview& preview = outlet(frontBackPreview);
    preview.isTutorial = true;
    preview.playFrontParallelAnimation();
}

void TutorialParkInControlViewController::viewDidLoad()
{
    ui::ViewController::viewDidLoad();
    const auto languages = textLanguages();
    outlet(tutorialInControlTitle).setText(text::TutorialParkInControl_Title(languages));
    outlet(tutorialInControlText).setText(text::TutorialParkInControl_Description(languages));
    outlet(tutorialInControlText2).setText(text::TutorialParkInControl_Supplementation(languages));
}

void TutorialParkOutControlViewController::viewDidLoad()
{
    ui::ViewController::viewDidLoad();
    const auto languages = textLanguages();
    outlet(tutorialOutControlTitle).setText(text::TutorialParkOutControl_Title(languages));
    outlet(tutorialOutControlText).setText(text::TutorialParkOutControl_Description(languages));
    outlet(tutorialOutControlText2).setText(text::TutorialParkOutControl_Supplementation(languages));
}

} // namespace tolvane::app
