#pragma once

#include "CustomAlertAction.h"

#include "foundation/EnumCases.h"
#include "ui/Rect.h"
#include "ui/ViewController.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace ui {
class Button;
class Label;
class View;
}

namespace tolvane {
class IDisplayModel;
}

namespace tolvane::app {

#define TOLVANE_CUSTOM_ALERT_CONTROLER_STYLES(X) \
    X(alert, 0) \
    X(upperRight, 1) \
    X(alertUpDown, 2)

enum class CustomAlertControlerStyle : uint8_t {
#define TOLVANE_CASE(name, raw) name = raw,
    TOLVANE_CUSTOM_ALERT_CONTROLER_STYLES(TOLVANE_CASE)
#undef TOLVANE_CASE
};

// The application's own pop-up dialog: title, message, an optional animation view and up to three
// buttons on a light grey card centred on the screen. It tells the framework when it comes on screen
// and when it goes away.
class CustomAlertController : public ui::ViewController {
public:
    // Resolves the display model from the shared container; without one the alert shows but sends
    // no notices.
    CustomAlertController(std::optional<std::string> title, std::optional<std::string> message, CustomAlertControlerStyle preferredStyle);
    ~CustomAlertController() override;

    std::optional<std::string> message;
    std::optional<CustomAlertControlerStyle> preferredStyle;
    std::optional<std::string> animationContentName;
    double animationContentHeight = 0;
    double animationContentMargin = 0;
    std::function<void()> presentAction;
    std::function<void()> dismissAction;
    std::shared_ptr<IDisplayModel> displayModel;
    bool willWorkAsynchronously = false;

    void addAction(std::shared_ptr<CustomAlertAction> action);
    void clearAction();
    const std::vector<std::shared_ptr<CustomAlertAction>>& actions() const { return actions_; }

    ui::View& popUpView() const { return *popUpView_; }
    ui::View& animationView() const { return *animationView_; }
    ui::Label& titleLabel() const { return *titleLabel_; }
    ui::Label& messageLabel() const { return *messageLabel_; }
    ui::Button& firstButton() const { return *buttons_[0]; }
    ui::Button& secondButton() const { return *buttons_[1]; }
    ui::Button& thirdButton() const { return *buttons_[2]; }

    void layoutPopUp();

    void loadView() override;
    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;
    void viewDidLayoutSubviews() override;
    void dismiss(bool animated, Completion completion = {}) override;
    bool shouldAutorotate() const override { return true; }
    unsigned supportedInterfaceOrientations() const override { return ui::InterfaceOrientationMask::portrait; }

    void firstButtonTapped() { buttonTapped(0); }
    void secondButtonTapped() { buttonTapped(1); }
    void thirdButtonTapped() { buttonTapped(2); }

private:
    void buttonTapped(size_t index);
    void setUpButton(size_t index, const CustomAlertAction& action);
    void addSeparator(const ui::Rect& frame);

    std::shared_ptr<ui::View> animationView_;
    std::shared_ptr<ui::View> popUpView_;
    std::shared_ptr<ui::Label> titleLabel_;
    std::shared_ptr<ui::Label> messageLabel_;
    std::array<std::shared_ptr<ui::Button>, 3> buttons_;
    std::vector<std::shared_ptr<CustomAlertAction>> actions_;
    std::vector<std::shared_ptr<ui::View>> separators_;
};

} // namespace tolvane::app

template <>
struct foundation::EnumCases<tolvane::app::CustomAlertControlerStyle> {
    using E = tolvane::app::CustomAlertControlerStyle;
    static constexpr std::array all{
#define TOLVANE_CASE(name, raw) E::name,
        TOLVANE_CUSTOM_ALERT_CONTROLER_STYLES(TOLVANE_CASE)
#undef TOLVANE_CASE
    };
};
