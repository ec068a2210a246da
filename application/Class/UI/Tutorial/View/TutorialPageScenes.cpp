// The storyboards of the tutorials' pages: pictures, controls and texts stacked on a page.

#include "Class/UI/Tutorial/View/TutorialScenes.h"

#include "Class/UI/Base/View/DesignScale.h"
#include "Class/UI/Base/View/TextLanguages.h"
#include "Class/UI/Tutorial/View/FirstTutorialMovieViewController.h"
#include "Class/UI/Tutorial/View/FirstTutorialPageViewControllers.h"
#include "Class/UI/Tutorial/View/TutorialDemoPageViewControllers.h"
#include "Class/UI/Tutorial/View/TutorialMovieViewController.h"
#include "Class/UI/Tutorial/View/TutorialOverrideViewController.h"
#include "Class/UI/Tutorial/View/TutorialPageView.h"
#include "Class/UI/Tutorial/View/TutorialPalette.h"
#include "Class/UI/Tutorial/View/TutorialTextPageViewControllers.h"

#include "Class/UI/Operating/View/Slider/SliderControlView.h"
#include "Class/UI/PlanConfirmation/View/FrontBackPreview.h"
#include "Class/UI/PlanConfirmation/View/InPreview.h"

#include "R.h"

#include "ui/AffineTransform.h"
#include "ui/Button.h"
#include "ui/ImageView.h"
#include "ui/Label.h"
#include "ui/ScreenMetrics.h"

#include <functional>

namespace tolvane::app {
namespace {

using Style = TutorialPageView::TextStyle;
namespace text = R::string::localizable;
namespace image = R::image;

// Heights of the pictures, the slider and the plan previews on the design screen.
constexpr double PICTURE_HEIGHT = 250;
constexpr double SLIDER_HEIGHT = 360;
constexpr double PREVIEW_HEIGHT = 400;
// A plan preview's height on the plan confirmation screen, in points.
constexpr double PLAN_SCREEN_PREVIEW_HEIGHT = 452;
constexpr double LINK_HEIGHT = 30;

std::shared_ptr<TutorialPageView> makePage(ui::ViewController& page)
{
    auto view = std::make_shared<TutorialPageView>();
    const ui::ScreenMetrics& metrics = ui::ScreenMetrics::shared();
    view->setFrame({0, 0, metrics.mainBounds().width(), metrics.mainBounds().height()});
    page.setView(view);
    return view;
}

// A page's storyboard texts come in the selected language, as a localised storyboard's would.
std::vector<std::string> languages()
{
    return textLanguages();
}

std::shared_ptr<ui::Button> makeLink(TutorialPageView& view, TutorialLinkPageViewController& page,
                                     void (TutorialLinkPageViewController::*action)())
{
    auto link = std::make_shared<ui::Button>();
    link->titleLabel().setFont(ui::Font::systemFont(16));
    link->setTitleColor(TutorialPalette::accent(), ui::ControlState::normal);
    std::weak_ptr<ui::ViewController> weak = page.weak_from_this();
    link->addTarget(ui::ControlEvent::touchUpInside, [weak, action](ui::Control&) {
        if (auto self = weak.lock())
            (static_cast<TutorialLinkPageViewController&>(*self).*action)();
    });
    view.addControl(link, LINK_HEIGHT);
    return link;
}

// The movie picture first, then what `addTexts` adds, then the three links.
void buildLinkPage(TutorialPageView& view, TutorialLinkPageViewController& page, const std::function<void()>& addTexts)
{
    page.movieImageView = view.addPicture(image::TutorialMovieStill(), PICTURE_HEIGHT);
    addTexts();
    page.linkButton1 = makeLink(view, page, &TutorialLinkPageViewController::didTouchUpLink);
    page.linkButton2 = makeLink(view, page, &TutorialLinkPageViewController::didTouchUpLink2);
    page.linkButton3 = makeLink(view, page, &TutorialLinkPageViewController::didTouchUpLink3);
}

// The operating screen's slider, set up as its storyboard would, filling an area of its own as it
// fills the operating screen's control area.
std::shared_ptr<SliderControlView> addSlider(TutorialPageView& view)
{
    const ui::Rect area{0, 0, view.contentWidth(), SLIDER_HEIGHT * DesignScale::vertical()};
    auto controlArea = std::make_shared<ui::View>(area);
    auto slider = std::make_shared<SliderControlView>(area);
    controlArea->addSubview(slider);
    view.addControl(controlArea, SLIDER_HEIGHT);
    return slider;
}

// A plan preview draws at the size it has on the plan confirmation screen; a page shows it scaled
// down into an area of its own.
template <class Preview>
std::shared_ptr<Preview> addPreview(TutorialPageView& view)
{
    const ui::Rect area{0, 0, view.contentWidth(), PREVIEW_HEIGHT * DesignScale::vertical()};
    const double scale = area.height() / PLAN_SCREEN_PREVIEW_HEIGHT;
    auto previewArea = std::make_shared<ui::View>(area);
    auto preview = std::make_shared<Preview>(ui::Rect{0, 0, area.width() / scale, PLAN_SCREEN_PREVIEW_HEIGHT});
    preview->setCenter({area.midX(), area.midY()});
    preview->setTransform(ui::AffineTransform::scale(scale, scale));
    previewArea->addSubview(preview);
    view.addControl(previewArea, PREVIEW_HEIGHT);
    return preview;
}

} // namespace

void TutorialScenes::build(FirstTutorialTitleViewController& page)
{
    auto view = makePage(page);
    view->addPicture(image::FirstTutorialWelcome(), PICTURE_HEIGHT);
    page.titleWelcome = view->addText(Style::body, text::FirstTutorialTitle_Welcome(languages()));
    page.titleTolvane = view->addText(Style::brand, text::FirstTutorialTitle_Tolvane(languages()));
    page.titleMain = view->addText(Style::body, text::FirstTutorialTitle_Main(languages()));
}

void TutorialScenes::build(FirstTutorialDisclaimerViewController& page)
{
    auto view = makePage(page);
    view->addPicture(image::FirstTutorialCaution(), PICTURE_HEIGHT);
    page.disclaimerTitle = view->addText(Style::heading, text::FirstTutorialDisclaimer_Title(languages()));
    page.disclaimerDescription = view->addText(Style::body, text::FirstTutorialDisclaimer_Description(languages()));
}

void TutorialScenes::build(FirstTutorialConnectingViewController& page)
{
    auto view = makePage(page);
    view->addPicture(image::FirstTutorialLinked(), PICTURE_HEIGHT);
    page.connectingTitle = view->addText(Style::heading, text::FirstTutorialConnecting_Title(languages()));
    page.connectingMain = view->addText(Style::body, text::FirstTutorialConnecting_Main(languages()));
    page.connectingMain2 = view->addText(Style::body, text::FirstTutorialConnecting_Main2(languages()));
}

void TutorialScenes::build(FirstTutorialInsideVehicleViewController& page)
{
    auto view = makePage(page);
    view->addPicture(image::FirstTutorialInside(), PICTURE_HEIGHT);
    page.insideVehicleTitle1 = view->addText(Style::header, text::FirstTutorialInsideVehicle_Title1(languages()));
    page.insideVehicleTitle2 = view->addText(Style::heading, text::FirstTutorialInsideVehicle_Title2(languages()));
    page.insideVehicleMain1 = view->addText(Style::list, text::FirstTutorialInsideVehicle_Main1(languages()));
    page.insideVehicleMain2 = view->addText(Style::list, text::FirstTutorialInsideVehicle_Main2(languages()));
    page.insideVehicleMain3 = view->addText(Style::list, text::FirstTutorialInsideVehicle_Main3(languages()));
}

void TutorialScenes::build(FirstTutorialPlanConfirmationViewController& page)
{
    auto view = makePage(page);
    page.firstTutorialPlanConfirmationHeaderTitle = view->addText(Style::header, text::FirstTutorialPlanConfirmation_HeaderTitle(languages()));
    page.firstTutorialPlanConfirmationGuide = view->addText(Style::note, text::FirstTutorialPlanConfirmation_Guide(languages()));
    // The page runs no code of its own; its storyboard shows the park-in path the menu's tutorial plays,
    // as an empty preview would leave a hole in the page.
    page.inPlanPreview = addPreview<InPreview>(*view);
    page.inPlanPreview->playBackToLeftParallelAnimation();
    page.firstTutorialPlanConfirmationTitle = view->addText(Style::heading, text::FirstTutorialPlanConfirmation_Title(languages()));
    page.firstTutorialPlanConfirmationDescription = view->addText(Style::body, text::FirstTutorialPlanConfirmation_Description(languages()));
    page.firstTutorialPlanConfirmationSupplementation =
        view->addText(Style::note, text::FirstTutorialPlanConfirmation_Supplementation(languages()));
}

void TutorialScenes::build(FirstTutorialControllingViewController& page)
{
    auto view = makePage(page);
    page.firstTutorialControllingHeaderTitle = view->addText(Style::header, text::FirstTutorialControlling_HeaderTitle(languages()));
    // The page runs no code of its own, so no demonstration: its storyboard shows the slider at rest.
    page.sliderControl = addSlider(*view);
    page.sliderControl->showAtRestInOwnArea();
    page.firstTutorialControllingTitle = view->addText(Style::heading, text::FirstTutorialControlling_Title(languages()));
    page.firstTutorialControllingDescription = view->addText(Style::body, text::FirstTutorialControlling_Description(languages()));
    page.firstTutorialControllingSupplementation = view->addText(Style::note, text::FirstTutorialControlling_Supplementation(languages()));
}

void TutorialScenes::build(FirstTutorialOutsideVehicleViewController& page)
{
    auto view = makePage(page);
    page.firstTutorialOutsideVehicleHeaderTitle = view->addText(Style::header, text::FirstTutorialOutsideVehicle_HeaderTitle(languages()));
    view->addPicture(image::FirstTutorialOutside(), PICTURE_HEIGHT);
    page.firstTutorialOutsideVehicleTitle = view->addText(Style::heading, text::FirstTutorialOutsideVehicle_Title(languages()));
    page.firstTutorialOutsideVehicleDescription = view->addText(Style::body, text::FirstTutorialOutsideVehicle_Description(languages()));
    page.firstTutorialOutsideVehicleSupplementation =
        view->addText(Style::note, text::FirstTutorialOutsideVehicle_Supplementation(languages()));
}

void TutorialScenes::build(FirstTutorialOverrideViewController& page)
{
    auto view = makePage(page);
    page.tutorialLabel = view->addText(Style::header);
    page.titleLabel = view->addText(Style::heading);
    page.messageLabel = view->addText(Style::body);
    page.openDoorLabel = view->addText(Style::list);
    page.phoneLabel = view->addText(Style::list);
}

void TutorialScenes::build(TutorialOverrideViewController& page)
{
    auto view = makePage(page);
    page.titleLabel = view->addText(Style::heading);
    page.messageLabel = view->addText(Style::body);
    page.openDoorLabel = view->addText(Style::list);
    page.phoneLabel = view->addText(Style::list);
}

void TutorialScenes::build(FirstTutorialMovieViewController& page)
{
    auto view = makePage(page);
    buildLinkPage(*view, page, [&] {
        page.start = view->addText(Style::heading);
        page.tolvane = view->addText(Style::brand);
        page.firstTutorialMovieDescription = view->addText(Style::body);
        page.supplementation = view->addText(Style::note);
    });
    page.checkBox = std::make_shared<ui::Button>();
    std::weak_ptr<ui::ViewController> weak = page.weak_from_this();
    page.checkBox->addTarget(ui::ControlEvent::touchUpInside, [weak](ui::Control&) {
        if (auto self = weak.lock())
            static_cast<FirstTutorialMovieViewController&>(*self).tapCheckBox();
    });
    view->addControl(page.checkBox, 28);
    page.hiddenLabel = view->addText(Style::note);
}

void TutorialScenes::build(TutorialMovieViewController& page)
{
    auto view = makePage(page);
    buildLinkPage(*view, page, [&] { page.tutorialMovieText = view->addText(Style::body); });
}

void TutorialScenes::build(TutorialConnectingViewController& page)
{
    auto view = makePage(page);
    view->addPicture(image::FirstTutorialLinked(), PICTURE_HEIGHT);
    page.tutorialConnectingTitle = view->addText(Style::heading);
    page.tutorialConnectingText = view->addText(Style::body);
    page.tutorialConnectingText2 = view->addText(Style::body);
}

void TutorialScenes::build(TutorialParkInStartViewController& page)
{
    auto view = makePage(page);
    view->addPicture(image::FirstTutorialInside(), PICTURE_HEIGHT);
    page.tutorialInStartTitle = view->addText(Style::heading);
    page.tutorialInStartText = view->addText(Style::body);
    page.tutorialInStartText2 = view->addText(Style::list);
    page.tutorialInStartText3 = view->addText(Style::list);
}

void TutorialScenes::build(TutorialParkOutStartViewController& page)
{
    auto view = makePage(page);
    view->addPicture(image::FirstTutorialOutside(), PICTURE_HEIGHT);
    page.tutorialOutStartTitle = view->addText(Style::heading);
    page.tutorialOutStartText = view->addText(Style::body);
}

void TutorialScenes::build(TutorialParkInSelectViewController& page)
{
    auto view = makePage(page);
    page.inPlanPreview = addPreview<InPreview>(*view);
    page.tutorialInSelecetTitle = view->addText(Style::heading);
    page.tutorialInSelecetText = view->addText(Style::body);
    page.tutorialInSelecetText2 = view->addText(Style::note);
}

void TutorialScenes::build(TutorialParkOutSelectViewController& page)
{
    auto view = makePage(page);
    page.frontBackPreview = addPreview<FrontBackPreview>(*view);
    page.tutorialOutSelectTitle = view->addText(Style::heading);
    page.tutorialOutSelectText = view->addText(Style::body);
    page.tutorialOutSelectText2 = view->addText(Style::note);
}

void TutorialScenes::build(TutorialParkInControlViewController& page)
{
    auto view = makePage(page);
    page.sliderControl = addSlider(*view);
    page.tutorialInControlTitle = view->addText(Style::heading);
    page.tutorialInControlText = view->addText(Style::body);
    page.tutorialInControlText2 = view->addText(Style::note);
}

void TutorialScenes::build(TutorialParkOutControlViewController& page)
{
    auto view = makePage(page);
    page.sliderControl = addSlider(*view);
    page.tutorialOutControlTitle = view->addText(Style::heading);
    page.tutorialOutControlText = view->addText(Style::body);
    page.tutorialOutControlText2 = view->addText(Style::note);
}

void TutorialScenes::build(TutorialParkOutDetailViewController& page)
{
    auto view = makePage(page);
    page.powerButton = std::make_shared<ui::Button>();
    page.powerButton->setImage(image::powerButton(), ui::ControlState::normal);
    view->addControl(page.powerButton, 96);
    page.tutorialOutDetailTitle = view->addText(Style::heading);
    page.tutorialOutDetailText = view->addText(Style::body);
    page.tutorialOutDetailText2 = view->addText(Style::note);
}

} // namespace tolvane::app
