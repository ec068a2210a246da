#include "Class/UI/Geofence/View/GeofencePopupViewController.h"

#include "Class/UI/Base/View/DesignScale.h"
#include "Class/UI/Base/View/TextLanguages.h"
#include "Class/UI/Geofence/View/GeofenceStoryboard.h"
#include "Class/UI/Geofence/View/GeofenceViewController.h"

#include "foundation/FatalError.h"
#include "ui/Button.h"
#include "ui/Label.h"
#include "ui/NavigationController.h"
#include "ui/ScreenMetrics.h"
#include "ui/ScrollView.h"

#include <algorithm>

namespace tolvane::app {

void GeofencePopupViewController::loadView()
{
    setView(GeofenceStoryboard::popupScene(*this));
}

void GeofencePopupViewController::viewDidLoad()
{
    ScreenViewController::viewDidLoad();
    setOverrideUserInterfaceStyle(ui::UserInterfaceStyle::light);
}

void GeofencePopupViewController::viewDidLayoutSubviews()
{
    ScreenViewController::viewDidLayoutSubviews();
    layoutPopup();
}

unsigned GeofencePopupViewController::supportedInterfaceOrientations() const
{
    return ui::InterfaceOrientationMask::portrait;
}

void GeofencePopupViewController::setTexts()
{
    const Outlets outlet = outlets();
    const Texts text = texts();
    const std::vector<std::string> languages = textLanguages();
    if (outlet.title && text.title)
        outlet.title->setText(text.title(languages));
    if (outlet.message && text.message)
        outlet.message->setText(text.message(languages));
    const std::pair<ui::Button*, Text> buttons[] = {
        {outlet.okButton, text.okButton}, {outlet.middleButton, text.middleButton}, {outlet.endButton, text.endButton}};
    for (const auto& [button, title] : buttons)
        if (button && title)
            button->setTitle(title(languages), button->state());
}

void GeofencePopupViewController::layoutPopup()
{
    setTexts();
    const Outlets outlet = outlets();
    if (!outlet.card || !outlet.scrollView || !outlet.message)
        foundation::fatalError("a geofence pop-up needs its card, scroll view and message outlets");
    const double W = DesignScale::horizontal();
    const double H = DesignScale::vertical();
    ui::View& card = *outlet.card;
    card.setFrame({card.frame().origin, {W * cardWidth, H * cardHeight}});
    const ui::Rect screen = ui::ScreenMetrics::shared().mainBounds();
    card.setCenter({screen.width() / 2, screen.height() / 2});
    ui::ScrollView& scrollView = *outlet.scrollView;
    scrollView.setFrame({scrollView.frame().origin, {W * scrollViewWidth, H * scrollViewHeight}});
    ui::Label& message = *outlet.message;
    message.setFrame({message.frame().origin, {scrollView.frame().width(), 0}});
    message.sizeToFit();
    scrollView.setContentSize(message.frame().size);
    // A message shorter than its scroll view leaves room: the symbol, title and message stand in
    // the middle of the space above the buttons, not over an empty block.
    if (contentColumn) {
        const double spare = std::max(0.0, scrollView.frame().height() - message.frame().height());
        contentColumn->setFrame({0, spare / 2, card.frame().width(), card.frame().height()});
    }
}

void GeofencePopupViewController::tapContinueBtn()
{
    dismissGeofencePopup([](GeofenceViewController& geofence) { geofence.continueToNextScreen(); });
}

void GeofencePopupViewController::tapExitBtn()
{
    dismissGeofencePopup([](GeofenceViewController& geofence) { geofence.viewModel->closeHistoryAndDismiss(); });
}

std::shared_ptr<GeofenceViewController> GeofencePopupViewController::presentingGeofence() const
{
    auto* stack = dynamic_cast<ui::NavigationController*>(presentingViewController());
    if (!stack || stack->viewControllers().empty())
        return nullptr;
    return std::dynamic_pointer_cast<GeofenceViewController>(stack->viewControllers().back());
}

void GeofencePopupViewController::dismissGeofencePopup(std::function<void(GeofenceViewController&)> then)
{
    auto geofence = presentingGeofence();
    if (!geofence)
        return;
    dismiss(true, [geofence, then = std::move(then)] { then(*geofence); });
}

} // namespace tolvane::app
