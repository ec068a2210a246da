// The tutorial flows' and the menu's storyboards, and the registration of the page storyboards.

#include "Class/UI/Tutorial/View/TutorialScenes.h"

#include "Class/UI/Base/View/DesignScale.h"
#include "Class/UI/Tutorial/View/FirstTutorialFlowViewController.h"
#include "Class/UI/Tutorial/View/FirstTutorialMovieViewController.h"
#include "Class/UI/Tutorial/View/FirstTutorialPageViewControllers.h"
#include "Class/UI/Tutorial/View/TutorialDemoPageViewControllers.h"
#include "Class/UI/Tutorial/View/TutorialFlowView.h"
#include "Class/UI/Tutorial/View/TutorialMenuCell.h"
#include "Class/UI/Tutorial/View/TutorialMenuView.h"
#include "Class/UI/Tutorial/View/TutorialMenuViewController.h"
#include "Class/UI/Tutorial/View/TutorialMovieViewController.h"
#include "Class/UI/Tutorial/View/TutorialOverrideViewController.h"
#include "Class/UI/Tutorial/View/TutorialPalette.h"
#include "Class/UI/Tutorial/View/TutorialStepIndicator.h"
#include "Class/UI/Tutorial/View/TutorialTextPageViewControllers.h"

#include "R.h"

#include "ui/Button.h"
#include "ui/Label.h"
#include "ui/Layer.h"
#include "ui/NibRegistry.h"
#include "ui/ScreenMetrics.h"
#include "ui/ScrollView.h"
#include "ui/StoryboardRegistry.h"
#include "ui/TableView.h"

namespace tolvane::app {
namespace {

namespace storyboard = R::storyboard;

// The area under the navigation bar that the screen's root view is given at first.
ui::Rect contentBounds()
{
    const ui::ScreenMetrics& metrics = ui::ScreenMetrics::shared();
    const ui::Rect screen = metrics.mainBounds();
    return {0, 0, screen.width(), screen.height() - metrics.deviceSafeAreaInsets().top - 44};
}

template <class Page>
void registerPage(const ui::StoryboardReference<ui::ViewController>& reference)
{
    ui::StoryboardRegistry::shared().registerStoryboard(reference.name, [] { return std::make_shared<Page>(); });
}

void buildFlow(TutorialStoryboardFlowViewController& flow, std::shared_ptr<ui::Button> startButton,
               std::shared_ptr<ui::Button> skipButton)
{
    flow.carouselView = std::make_shared<ui::ScrollView>();
    flow.carouselView->setPagingEnabled(true);
    flow.carouselView->setClipsToBounds(true);
    flow.stepIndicatorView = std::make_shared<TutorialStepIndicator>();
    flow.stepIndicatorView->setTintColor(TutorialPalette::muted().withAlpha(0.5));
    auto root = std::make_shared<TutorialFlowView>(flow.carouselView, flow.stepIndicatorView, std::move(startButton), std::move(skipButton));
    root->setFrame(contentBounds());
    root->layoutIfNeeded();
    flow.setView(root);
}

template <class Controller>
std::shared_ptr<ui::Button> makeButton(Controller& controller, void (Controller::*action)())
{
    auto button = std::make_shared<ui::Button>();
    std::weak_ptr<ui::ViewController> weak = controller.weak_from_this();
    button->addTarget(ui::ControlEvent::touchUpInside, [weak, action](ui::Control&) {
        if (auto self = weak.lock())
            (static_cast<Controller&>(*self).*action)();
    });
    return button;
}

} // namespace

template <>
std::vector<std::string> TutorialScenes::pageStoryboards<TutorialConnectionFlow>()
{
    return {storyboard::tutorialConnecting.name};
}

template <>
std::vector<std::string> TutorialScenes::pageStoryboards<TutorialParkInFlow>()
{
    return {storyboard::tutorialParkInStart.name, storyboard::tutorialParkInSelect.name, storyboard::tutorialParkInControl.name,
            storyboard::tutorialParkInOverrideView.name};
}

template <>
std::vector<std::string> TutorialScenes::pageStoryboards<TutorialParkOutFlow>()
{
    return {storyboard::tutorialParkOutStart.name, storyboard::tutorialParkOutSelect.name, storyboard::tutorialParkOutControl.name,
            storyboard::tutorialParkOutOverrideView.name, storyboard::tutorialParkOutDetail.name};
}

template <>
std::vector<std::string> TutorialScenes::pageStoryboards<TutorialMovieFlow>()
{
    return {storyboard::tutorialMovie.name};
}

void TutorialScenes::registerPagesAndCells()
{
    registerPage<FirstTutorialTitleViewController>(storyboard::firstTutorialTitle);
    registerPage<FirstTutorialDisclaimerViewController>(storyboard::firstTutorialDisclaimer);
    registerPage<FirstTutorialConnectingViewController>(storyboard::firstTutorialConnecting);
    registerPage<FirstTutorialInsideVehicleViewController>(storyboard::firstTutorialInsideVehicle);
    registerPage<FirstTutorialPlanConfirmationViewController>(storyboard::firstTutorialPlanConfirmation);
    registerPage<FirstTutorialControllingViewController>(storyboard::firstTutorialControlling);
    registerPage<FirstTutorialOutsideVehicleViewController>(storyboard::firstTutorialOutsideVehicle);
    registerPage<FirstTutorialOverrideViewController>(storyboard::firstTutorialOverrideView);
    registerPage<FirstTutorialMovieViewController>(storyboard::firstTutorialMovie);
    registerPage<TutorialConnectingViewController>(storyboard::tutorialConnecting);
    registerPage<TutorialParkInStartViewController>(storyboard::tutorialParkInStart);
    registerPage<TutorialParkInSelectViewController>(storyboard::tutorialParkInSelect);
    registerPage<TutorialParkInControlViewController>(storyboard::tutorialParkInControl);
    registerPage<TutorialParkInOverrideViewController>(storyboard::tutorialParkInOverrideView);
    registerPage<TutorialParkOutStartViewController>(storyboard::tutorialParkOutStart);
    registerPage<TutorialParkOutSelectViewController>(storyboard::tutorialParkOutSelect);
    registerPage<TutorialParkOutControlViewController>(storyboard::tutorialParkOutControl);
    registerPage<TutorialParkOutOverrideViewController>(storyboard::tutorialParkOutOverrideView);
    registerPage<TutorialParkOutDetailViewController>(storyboard::tutorialParkOutDetail);
    registerPage<TutorialMovieViewController>(storyboard::tutorialMovie);
    ui::NibRegistry::shared().registerNib("TutorialMenuCell", [] { return std::make_shared<TutorialMenuCell>(); });
}

void TutorialScenes::build(TutorialStoryboardFlowViewController& flow)
{
    buildFlow(flow, nullptr, nullptr);
}

void TutorialScenes::build(FirstTutorialFlowViewController& flow)
{
    flow.startButton = makeButton(flow, &FirstTutorialFlowViewController::tapStartButton);
    flow.startButton->setBackgroundColor(TutorialPalette::accent());
    flow.startButton->layer().setCornerRadius(14);
    flow.startButton->titleLabel().setFont(ui::Font::systemFont(18, ui::FontWeight::semibold));
    flow.startButton->setTitleColor(ui::Color::white(1.0), ui::ControlState::normal);
    flow.skipButton = makeButton(flow, &FirstTutorialFlowViewController::tapSkipButton);
    flow.skipButton->titleLabel().setFont(ui::Font::systemFont(16, ui::FontWeight::medium));
    flow.skipButton->setTitleColor(TutorialPalette::accent(), ui::ControlState::normal);
    buildFlow(flow, flow.startButton, flow.skipButton);
}

void TutorialScenes::build(TutorialMenuViewController& menu)
{
    menu.tutorialTitle = std::make_shared<ui::Label>();
    menu.tutorialTitle->setFont(ui::Font::systemFont(24, ui::FontWeight::bold));
    menu.tutorialTitle->setTextColor(TutorialPalette::text());
    menu.tutorialMenuList = std::make_shared<ui::TableView>();
    menu.tutorialMenuList->setBackgroundColor(TutorialPalette::background());
    auto root = std::make_shared<TutorialMenuView>(menu.tutorialTitle, menu.tutorialMenuList);
    root->setFrame(contentBounds());
    root->layoutIfNeeded();
    menu.setView(root);
}

} // namespace tolvane::app
