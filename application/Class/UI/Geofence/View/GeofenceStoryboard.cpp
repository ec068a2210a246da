#include "Class/UI/Geofence/View/GeofenceStoryboard.h"

#include "Class/UI/Base/View/DesignScale.h"
#include "Class/UI/Geofence/View/GeofencePopups.h"
#include "Class/UI/Geofence/View/GeofenceViewController.h"

#include "R.h"

#include "foundation/FatalError.h"
#include "ui/ActivityIndicatorView.h"
#include "ui/AssetCatalog.h"
#include "ui/Button.h"
#include "ui/ImageView.h"
#include "ui/Label.h"
#include "ui/Layer.h"
#include "ui/ScreenMetrics.h"
#include "ui/ScrollView.h"
#include "ui/StoryboardRegistry.h"

#include <string>

namespace tolvane::app {
namespace {

const ui::Color ink = ui::Color::rgb255(0x1E, 0x2A, 0x3A);
const ui::Color accent = ui::Color::rgb255(0x2F, 0x7D, 0xF6);
const ui::Color muted = ui::Color::rgb255(0x8A, 0x94, 0xA6);
const ui::Color ground = ui::Color::rgb255(0xF2, 0xF4, 0xF8);

const char* identifierOf(GeofenceDialog kind)
{
    switch (kind) {
    case GeofenceDialog::warningArea:
        return "WarningAreaPop";
    case GeofenceDialog::failedGPS:
        return "FailedGPSPop";
    case GeofenceDialog::cautionArea:
        return "CautionAreaPop";
    case GeofenceDialog::locationUsePermit:
        return "LocationUsePermitPop";
    }
    return "";
}

// A frame given on the 428 x 926 design screen.
ui::Rect designed(double x, double y, double width, double height)
{
    const double h = DesignScale::horizontal();
    const double v = DesignScale::vertical();
    return {x * h, y * v, width * h, height * v};
}

// A button's action: the pop-up's member, while the pop-up lives.
template <class Owner>
std::function<void()> action(ui::ViewController& popup, void (Owner::*member)())
{
    return [weak = popup.weak_from_this(), member] {
        if (auto self = weak.lock())
            (static_cast<Owner&>(*self).*member)();
    };
}

enum class ButtonRole { primary, secondary, leave };

std::shared_ptr<ui::Button> makeButton(ui::View& card, double y, ButtonRole role, std::function<void()> action)
{
    auto button = std::make_shared<ui::Button>(designed(18, y, 360, 48));
    button->titleLabel().setFont(ui::Font::systemFont(17, ui::FontWeight::semibold));
    button->layer().setCornerRadius(button->frame().height() / 2);
    switch (role) {
    case ButtonRole::primary:
        button->setBackgroundColor(accent);
        button->setTitleColor(ui::Color::white(1.0), ui::ControlState::normal);
        break;
    case ButtonRole::secondary:
        button->setBackgroundColor(ui::Color::white(1.0));
        button->layer().setBorderColor(accent);
        button->layer().setBorderWidth(1.5);
        button->setTitleColor(accent, ui::ControlState::normal);
        break;
    case ButtonRole::leave:
        button->setBackgroundColor(ground);
        button->setTitleColor(ink, ui::ControlState::normal);
        break;
    }
    button->addTarget(ui::ControlEvent::touchUpInside, [action = std::move(action)](ui::Control&) { action(); });
    card.addSubview(button);
    return button;
}

// The parts every pop-up card has, laid out from the top in one column: its symbol, an optional
// title, the scrolling message.
struct Card {
    std::shared_ptr<ui::View> root;
    std::shared_ptr<ui::View> card;
    std::shared_ptr<ui::View> column;
    std::shared_ptr<ui::Label> title;
    std::shared_ptr<ui::ScrollView> scrollView;
    std::shared_ptr<ui::Label> message;
};

Card makeCard(const std::string& symbol, bool hasTitle)
{
    Card parts;
    parts.root = std::make_shared<ui::View>(ui::ScreenMetrics::shared().mainBounds());
    parts.root->setBackgroundColor(ui::Color::clear());
    parts.card = std::make_shared<ui::View>(designed(16, 138, 396, 650));
    parts.card->setBackgroundColor(ui::Color::white(1.0));
    parts.card->layer().setCornerRadius(20 * DesignScale::vertical());
    parts.card->setClipsToBounds(true);
    parts.root->addSubview(parts.card);
    parts.column = std::make_shared<ui::View>(ui::Rect{{}, parts.card->frame().size});
    parts.column->setBackgroundColor(ui::Color::clear());
    parts.card->addSubview(parts.column);

    const double side = 64 * DesignScale::vertical();
    auto image = std::make_shared<ui::ImageView>(ui::AssetCatalog::shared().image(symbol));
    image->setFrame({(396 * DesignScale::horizontal() - side) / 2, 28 * DesignScale::vertical(), side, side});
    image->setContentMode(ui::ContentMode::scaleAspectFit);
    parts.column->addSubview(image);

    if (hasTitle) {
        parts.title = std::make_shared<ui::Label>(designed(18, 104, 360, 60));
        parts.title->setFont(ui::Font::systemFont(21, ui::FontWeight::semibold));
        parts.title->setTextColor(ink);
        parts.title->setTextAlignment(ui::TextAlignment::center);
        parts.title->setNumberOfLines(2);
        parts.title->setAdjustsFontSizeToFitWidth(true);
        parts.title->setMinimumScaleFactor(0.7);
        parts.column->addSubview(parts.title);
    }
    parts.scrollView = std::make_shared<ui::ScrollView>(designed(18, hasTitle ? 172 : 108, 360, 350));
    parts.column->addSubview(parts.scrollView);
    parts.message = std::make_shared<ui::Label>();
    parts.message->setFont(ui::Font::systemFont(16));
    parts.message->setTextColor(ink);
    parts.message->setNumberOfLines(0);
    parts.scrollView->addSubview(parts.message);
    return parts;
}

// The scene of a pop-up with a continue and an exit button.
template <class Popup>
std::shared_ptr<ui::View> continueOrExitScene(Popup& popup, const std::string& symbol, std::shared_ptr<ui::Label>& title,
                                              std::shared_ptr<ui::Label>& message, std::shared_ptr<ui::View>& card,
                                              std::shared_ptr<ui::ScrollView>& scrollView)
{
    Card parts = makeCard(symbol, true);
    popup.contentColumn = parts.column;
    title = parts.title;
    message = parts.message;
    card = parts.card;
    scrollView = parts.scrollView;
    popup.okButton = makeButton(*parts.card, 538, ButtonRole::primary, action(popup, &GeofencePopupViewController::tapContinueBtn));
    popup.endButton = makeButton(*parts.card, 594, ButtonRole::leave, action(popup, &GeofencePopupViewController::tapExitBtn));
    return parts.root;
}

std::shared_ptr<ui::View> permissionScene(LocationUsePermitViewController& popup)
{
    Card parts = makeCard("geofence_location_permit", false);
    popup.contentColumn = parts.column;
    popup.locssionUsePrermitPopView = parts.card;
    popup.locssionUsePrermitScrollView = parts.scrollView;
    popup.locssionUsePrermitLabel = parts.message;
    popup.okButton = makeButton(*parts.card, 474, ButtonRole::primary, action(popup, &LocationUsePermitViewController::tapAllowBtn));
    popup.middleButton = makeButton(*parts.card, 530, ButtonRole::secondary, action(popup, &LocationUsePermitViewController::tapDontAllowBtn));
    popup.endButton = makeButton(*parts.card, 586, ButtonRole::leave, action(popup, &GeofencePopupViewController::tapExitBtn));
    return parts.root;
}

} // namespace

void GeofenceStoryboard::registerScenes()
{
    auto& registry = ui::StoryboardRegistry::shared();
    const std::string name = R::storyboard::geofence.name;
    registry.registerStoryboard(name, [] { return std::make_shared<GeofenceViewController>(); });
    registry.registerScene(name, identifierOf(GeofenceDialog::warningArea), [] { return std::make_shared<WarningAreaViewController>(); });
    registry.registerScene(name, identifierOf(GeofenceDialog::cautionArea), [] { return std::make_shared<CautionAreaViewController>(); });
    registry.registerScene(name, identifierOf(GeofenceDialog::failedGPS), [] { return std::make_shared<FailedGPSViewController>(); });
    registry.registerScene(name, identifierOf(GeofenceDialog::locationUsePermit),
                           [] { return std::make_shared<LocationUsePermitViewController>(); });
}

std::shared_ptr<GeofencePopupViewController> GeofenceStoryboard::instantiatePopup(GeofenceDialog kind)
{
    auto popup = std::dynamic_pointer_cast<GeofencePopupViewController>(
        ui::StoryboardRegistry::shared().instantiateViewController(R::storyboard::geofence.name, identifierOf(kind)));
    if (!popup)
        foundation::fatalError(std::string("the Geofence storyboard has no scene ") + identifierOf(kind));
    return popup;
}

std::shared_ptr<ui::View> GeofenceStoryboard::checkScene(GeofenceViewController& screen)
{
    auto root = std::make_shared<ui::View>();
    root->setBackgroundColor(ground);
    screen.checkIndicator = std::make_shared<ui::ActivityIndicatorView>(ui::ActivityIndicatorStyle::medium);
    screen.checkIndicator->setColor(muted);
    screen.checkIndicator->setHidesWhenStopped(true);
    root->addSubview(screen.checkIndicator);
    return root;
}

std::shared_ptr<ui::View> GeofenceStoryboard::popupScene(GeofencePopupViewController& popup)
{
    if (auto* warning = dynamic_cast<WarningAreaViewController*>(&popup))
        return continueOrExitScene(*warning, "geofence_warning_area", warning->warningTitleLabel, warning->warningAreaLabel,
                                   warning->warningAreaPopView, warning->warningAreaScrollView);
    if (auto* caution = dynamic_cast<CautionAreaViewController*>(&popup))
        return continueOrExitScene(*caution, "geofence_caution_area", caution->cautionTitleLabel, caution->cautionAreaLabel,
                                   caution->cautionAreaPopView, caution->cautionAreaScrollView);
    if (auto* failed = dynamic_cast<FailedGPSViewController*>(&popup))
        return continueOrExitScene(*failed, "geofence_failed_gps", failed->timeoutGPSTitleLabel, failed->timeoutGPSLabel,
                                   failed->timeoutGPSPopView, failed->timeoutGPSScrollView);
    if (auto* permission = dynamic_cast<LocationUsePermitViewController*>(&popup))
        return permissionScene(*permission);
    foundation::fatalError("a geofence pop-up without a scene");
}

} // namespace tolvane::app
