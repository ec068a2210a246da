#include "Class/UI/Operating/View/OperatingScene.h"

#include "Class/UI/Base/View/ScenePalette.h"
#include "Class/UI/Base/View/TextLanguages.h"
#include "Class/UI/Operating/View/BalloonView.h"
#include "Class/UI/Operating/View/DriveProgress/DriveProgressNib.h"
#include "Class/UI/Operating/View/DriveProgress/DriveProgressView.h"
#include "Class/UI/Operating/View/OperatingViewController.h"
#include "Class/UI/Operating/View/Ring/RingControlNib.h"
#include "Class/UI/Operating/View/Ring/RingControlView.h"
#include "Class/UI/Operating/View/Slider/SliderControlNib.h"
#include "Class/UI/Operating/View/Slider/SliderControlView.h"
#include "Class/UI/Operating/View/Sonar/ClearSonerDetectionNib.h"
#include "Class/UI/Operating/View/Sonar/ClearSonerDetectionView.h"

#include "ui/Button.h"
#include "ui/Label.h"
#include "ui/LayoutConstraint.h"
#include "ui/ScreenMetrics.h"

#include "R.h"

namespace tolvane::app {
namespace {

const ui::Color darkText = ui::Color::rgb255(0x1E, 0x2A, 0x3A);

// Where the drive progress view stands in front of the car and behind it.
constexpr double driveProgressForwardTop = 96;
constexpr double driveProgressBackwardTop = 236;

std::shared_ptr<ui::Label> label(const ui::Rect& frame, double size, ui::FontWeight weight, const ui::Color& color, int lines)
{
    auto view = std::make_shared<ui::Label>(frame);
    view->setFont(ui::Font::systemFont(size, weight));
    view->setTextColor(color);
    view->setTextAlignment(ui::TextAlignment::center);
    view->setNumberOfLines(lines);
    return view;
}

std::shared_ptr<ui::Button> imageButton(const ui::Rect& frame, std::optional<ui::Image> image, std::function<void()> action)
{
    auto button = std::make_shared<ui::Button>(frame);
    button->setImage(std::move(image), ui::ControlState::normal);
    button->addTarget(ui::ControlEvent::touchUpInside, [action = std::move(action)](ui::Control&) { action(); });
    return button;
}

// A hint balloon over a button, with its text and a close button.
std::shared_ptr<BalloonView> hint(const ui::Rect& frame, int tailSide, const std::shared_ptr<ui::Label>& text, std::function<void()> close)
{
    auto balloon = std::make_shared<BalloonView>(frame);
    balloon->setOrientation(tailSide);
    balloon->setCornerRadiusRatio(0.4);
    balloon->setPaddingRatio(0.08);
    balloon->setTintColor(darkText);
    balloon->setAdjustSubviews(false);
    text->setFrame({12, 6, frame.width() - 48, frame.height() - 12 - frame.height() * 0.2});
    balloon->addSubview(text);
    auto closeButton = std::make_shared<ui::Button>(ui::Rect{frame.width() - 36, 4, 32, 32});
    closeButton->setTitle("×", ui::ControlState::normal);
    closeButton->setTitleColor(ui::Color::white(1), ui::ControlState::normal);
    closeButton->addTarget(ui::ControlEvent::touchUpInside, [close = std::move(close)](ui::Control&) { close(); });
    balloon->addSubview(closeButton);
    balloon->setHidden(true);
    return balloon;
}

template <class Controller>
std::function<void()> action(Controller& controller, void (Controller::*member)())
{
    std::weak_ptr<Controller> weak = std::static_pointer_cast<Controller>(controller.shared_from_this());
    return [weak, member] {
        if (auto self = weak.lock())
            ((*self).*member)();
    };
}

} // namespace

void OperatingScene::registerNibs()
{
    SliderControlNib::registerNib();
    RingControlNib::registerNib();
    ClearSonerDetectionNib::registerNib();
    DriveProgressNib::registerNib();
}

void OperatingScene::build(OperatingViewController& controller)
{
    using Controller = OperatingViewController;
    auto& root = controller.view();
    auto& out = controller.outlets;
    const auto languages = textLanguages();
    root.setBackgroundColor(ui::Color::rgb255(0xF2, 0xF4, 0xF8));

    // Under everything: the hold control fills the window from its origin, which its touch filters
    // take for window coordinates. The screen moves it up by the bar's height when it lays out.
    const ui::Rect screen = ui::ScreenMetrics::shared().mainBounds();
    out.controlArea = std::make_shared<ui::View>(ui::Rect{0, -91, screen.width(), screen.height()});
    out.controlArea->setHidden(true);
    if (controller.holdControl == Controller::HoldControl::slider)
        out.controlArea->addSubview(std::make_shared<SliderControlView>(ui::Rect{{}, screen.size}));
    else
        out.controlArea->addSubview(RingControlView::make({(screen.width() - 260) / 2, 520, 260, 260}));
    root.addSubview(out.controlArea);

    out.titleLabel = label({24, 8, 342, 40}, 14, ui::FontWeight::regular, darkText, 2);
    out.frontBackLabel = label({24, 50, 342, 24}, 20, ui::FontWeight::semibold, ScenePalette::accent(), 1);
    root.addSubview(out.titleLabel);
    root.addSubview(out.frontBackLabel);

    out.clearSonerDetectionView = std::make_shared<ClearSonerDetectionView>(ui::Rect{105, 86, 180, 280});
    root.addSubview(out.clearSonerDetectionView);
    out.driveProgressView = std::make_shared<DriveProgressView>(ui::Rect{276, driveProgressForwardTop, 110, 112});
    root.addSubview(out.driveProgressView);
    out.driveProgressViewAlignConstraintOnDriveForward =
        std::make_shared<ui::LayoutConstraint>(driveProgressForwardTop, ui::LayoutConstraint::defaultHigh);
    out.driveProgressViewAlignConstraintOnDriveBackward =
        std::make_shared<ui::LayoutConstraint>(driveProgressBackwardTop, ui::LayoutConstraint::defaultLow);

    const auto changeDirection = action(controller, &Controller::didTouchDirectionChange);
    out.directionChangeForwardButton = imageButton({20, 150, 64, 64}, R::image::controlling_direction_forward(), changeDirection);
    out.directionChangeBackwardButton = imageButton({20, 150, 64, 64}, R::image::controlling_direction_backward(), changeDirection);
    out.endHalfwayButton = imageButton({20, 222, 64, 64}, std::nullopt, action(controller, &Controller::didTouchEndHalfway));
    out.interruptButton = imageButton({20, 294, 64, 64}, std::nullopt, action(controller, &Controller::didTouchInterrupt));
    for (const auto& button : {out.directionChangeForwardButton, out.directionChangeBackwardButton, out.endHalfwayButton, out.interruptButton}) {
        button->setHidden(true);
        root.addSubview(button);
    }

    out.powerOffButtonHintLabel = label({}, 13, ui::FontWeight::medium, ui::Color::white(1), 2);
    out.powerOffButtonHintLabel->setText(R::string::localizable::Parking_PowerOffButtonHint(languages));
    out.interruptButtonHintLabel = label({}, 13, ui::FontWeight::medium, ui::Color::white(1), 2);
    out.interruptButtonHintLabel->setText(R::string::localizable::Parking_InterruptButtonHint(languages));
    out.endHalfwayButtonHintLabel = label({}, 13, ui::FontWeight::medium, ui::Color::white(1), 2);
    out.endHalfwayButtonHintLabel->setText(R::string::localizable::Parking_EndHalfwayButtonHint(languages));
    out.powerOffButtonHintView = hint({150, 0, 230, 72}, 0, out.powerOffButtonHintLabel, action(controller, &Controller::didTouchPowerOffButtonHintClose));
    out.endHalfwayButtonHintView =
        hint({92, 218, 230, 72}, 3, out.endHalfwayButtonHintLabel, action(controller, &Controller::didTouchEndHalfwayButtonHintClose));
    out.interruptButtonHintView =
        hint({92, 290, 230, 72}, 3, out.interruptButtonHintLabel, action(controller, &Controller::didTouchInterruptButtonHintClose));
    for (const auto& balloon : {out.powerOffButtonHintView, out.endHalfwayButtonHintView, out.interruptButtonHintView})
        root.addSubview(balloon);
}

} // namespace tolvane::app
