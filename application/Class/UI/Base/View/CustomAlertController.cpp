#include "CustomAlertController.h"

#include "ButtonAttributes.h"
#include "DesignScale.h"
#include "LabelAttributes.h"

#include "Internal/Model/IDisplayModel.h"
#include "di/Container.h"
#include "ui/Button.h"
#include "ui/Label.h"
#include "ui/Layer.h"
#include "ui/NibRegistry.h"
#include "ui/ScreenMetrics.h"

namespace tolvane::app {
namespace {

const ui::Color separatorColor = ui::Color::rgb255(191, 191, 191, 1.0);
const ui::Color buttonTitleColor = ui::Color::rgb255(54, 116, 186, 1.0);
const ui::Color cardColor = ui::Color::rgb255(242, 242, 242, 1.0);

} // namespace

CustomAlertController::CustomAlertController(std::optional<std::string> title, std::optional<std::string> message,
                                             CustomAlertControlerStyle preferredStyle)
    : message(std::move(message)),
      preferredStyle(preferredStyle),
      animationView_(std::make_shared<ui::View>()),
      popUpView_(std::make_shared<ui::View>()),
      titleLabel_(std::make_shared<ui::Label>()),
      messageLabel_(std::make_shared<ui::Label>())
{
    for (auto& button : buttons_)
        button = std::make_shared<ui::Button>();
    setTitle(std::move(title));
    displayModel = di::Container::defaultContainer().resolve<IDisplayModel>();
}

CustomAlertController::~CustomAlertController() = default;

void CustomAlertController::addAction(std::shared_ptr<CustomAlertAction> action)
{
    actions_.push_back(std::move(action));
}

void CustomAlertController::clearAction()
{
    actions_.clear();
}

void CustomAlertController::loadView()
{
    // The card is the root view from the start, so the transition moves the card itself.
    setView(popUpView_);
}

void CustomAlertController::viewDidLoad()
{
    setOverrideUserInterfaceStyle(ui::UserInterfaceStyle::light);
    popUpView_->setAutoresizesSubviews(false);
}

void CustomAlertController::viewWillAppear(bool animated)
{
    ViewController::viewWillAppear(animated);
    if (presentAction)
        presentAction();
    if (displayModel)
        displayModel->notifyDisplayPopup(true);
    if (animationContentName) {
        // A missing nib, or one without a view, leaves the empty animation view in place.
        if (auto loaded = ui::NibRegistry::shared().instantiate(*animationContentName)) {
            animationView_ = loaded;
            popUpView_->addSubview(animationView_);
        }
    }
}

void CustomAlertController::viewDidLayoutSubviews()
{
    ViewController::viewDidLayoutSubviews();
    layoutPopUp();
}

void CustomAlertController::dismiss(bool animated, Completion completion)
{
    if (dismissAction)
        dismissAction();
    if (displayModel)
        displayModel->notifyDisplayPopup(false);
    ViewController::dismiss(animated, std::move(completion));
}

void CustomAlertController::buttonTapped(size_t index)
{
    auto self = std::static_pointer_cast<CustomAlertController>(shared_from_this());
    std::weak_ptr<CustomAlertController> weakSelf = self;
    dismiss(true, [weakSelf, index] {
        auto alert = weakSelf.lock();
        if (!alert || index >= alert->actions_.size())
            return;
        auto action = alert->actions_[index];
        if (action->handler())
            action->handler()(*action);
    });
}

void CustomAlertController::addSeparator(const ui::Rect& frame)
{
    auto separator = std::make_shared<ui::Label>(frame);
    separator->setBackgroundColor(separatorColor);
    popUpView_->addSubview(separator);
    separators_.push_back(separator);
}

void CustomAlertController::setUpButton(size_t index, const CustomAlertAction& action)
{
    ui::Button& button = *buttons_[index];
    if (action.style() != CustomAlertControllerAction::destructive) {
        button.setTitleColor(buttonTitleColor, ui::ControlState::normal);
        button.setBackgroundColor(ui::Color::clear());
    }
    button.setTitle(action.title(), ui::ControlState::normal);
    button.titleLabel().setFont(ui::Font::systemFont(17, ui::FontWeight::light));
    ButtonAttributes::setAdjustFontSize(button, true);
    button.layer().setCornerRadius(5.0);
    // Setting the same target again replaces it, as the platform keeps one per target and action.
    button.removeTargets(ui::ControlEvent::touchUpInside);
    std::weak_ptr<ui::ViewController> weakSelf = weak_from_this();
    button.addTarget(ui::ControlEvent::touchUpInside, [weakSelf, index](ui::Control&) {
        if (auto self = weakSelf.lock())
            static_cast<CustomAlertController&>(*self).buttonTapped(index);
    });
    popUpView_->addSubview(buttons_[index]);
}

void CustomAlertController::layoutPopUp()
{
    const ui::Rect screen = ui::ScreenMetrics::shared().mainBounds();
    const double W = DesignScale::horizontal() * 270;
    const double V = DesignScale::vertical();
    const double C = W * 0.91;
    const double L = (W - C) * 0.5;
    const double H = 48 * V;
    const double B = actions_.size() == 2 ? W * 0.5 : W;
    double y = 33 * V;

    if (const auto& text = title()) {
        ui::Label& label = *titleLabel_;
        label.setText(*text);
        label.setTextColor(ui::Color::label());
        label.setFont(ui::Font::systemFont(18, ui::FontWeight::medium));
        label.setTextAlignment(ui::TextAlignment::center);
        label.setNumberOfLines(0);
        LabelAttributes::setAdjustFontSize(label, true);
        label.setFrame({L, y, C, 0});
        label.sizeToFit();
        label.setCenter({W * 0.5, label.center().y});
        y += 22 * V + label.frame().height();
    }
    double gap = 0;
    if (message) {
        ui::Label& label = *messageLabel_;
        label.setText(*message);
        label.setTextColor(ui::Color::label());
        label.setFont(ui::Font::systemFont(14));
        LabelAttributes::setAdjustFontSize(label, true);
        label.setTextAlignment(ui::TextAlignment::left);
        label.setNumberOfLines(0);
        gap = animationContentName ? 4 * V : 22 * V;
        label.setFrame({L, y, C, 0});
        label.sizeToFit();
        label.setCenter({W * 0.5, label.center().y});
        y += gap + label.frame().height();
    }
    if (animationContentName) {
        const double A = V * animationContentHeight;
        animationView_->setFrame({0, y, W, A});
        y += gap + A + V * animationContentMargin;
    }

    // Separators of an earlier pass go; this pass lays out its own.
    for (auto& separator : separators_)
        separator->removeFromSuperview();
    separators_.clear();
    const auto style = preferredStyle.value_or(CustomAlertControlerStyle::upperRight);
    if (style == CustomAlertControlerStyle::alert) {
        addSeparator({0, y - 1, W, 0.5});
        if (!actions_.empty()) {
            setUpButton(0, *actions_[0]);
            buttons_[0]->setFrame({W - B, y, B, H});
            y += H;
        }
        if (actions_.size() >= 2) {
            setUpButton(1, *actions_[1]);
            buttons_[1]->setFrame({0, y - H, B, H});
            addSeparator({B, y - H, 0.5, H});
        }
    } else if (style == CustomAlertControlerStyle::alertUpDown) {
        for (size_t i = 0; i < std::min<size_t>(actions_.size(), 3); ++i) {
            addSeparator({0, y - 1, W, 0.5});
            setUpButton(i, *actions_[i]);
            buttons_[i]->setFrame({0, y, B, H});
            y += H;
        }
    }

    popUpView_->setBackgroundColor(cardColor);
    popUpView_->setFrame({popUpView_->frame().origin, {W, y}});
    popUpView_->setCenter({screen.width() * 0.5, screen.height() * 0.5});
    popUpView_->addSubview(titleLabel_);
    popUpView_->addSubview(messageLabel_);
    setView(popUpView_);
}

} // namespace tolvane::app
