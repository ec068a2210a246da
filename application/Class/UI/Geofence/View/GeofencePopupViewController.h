#pragma once

#include "Class/UI/Base/View/ScreenViewController.h"
#include "Class/UI/Geofence/ViewModel/IGeofenceViewModel.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace ui {
class Button;
class Label;
class ScrollView;
class View;
} // namespace ui

namespace tolvane::app {

class GeofenceViewController;

// What every geofence pop-up shares: a card centred over the dimmed check screen with a scrolling
// message, texts refreshed on each layout pass, and buttons that first dismiss the pop-up and then
// act on the check screen underneath. Main thread only.
class GeofencePopupViewController : public ScreenViewController<IGeofenceViewModel> {
public:
    // Design sizes on the 428 x 926 screen.
    static constexpr double cardWidth = 396;
    static constexpr double cardHeight = 650;
    static constexpr double scrollViewWidth = 360;
    static constexpr double scrollViewHeight = 350;

    void loadView() override;
    void viewDidLoad() override;
    void viewDidLayoutSubviews() override;
    bool shouldAutorotate() const override { return true; }
    unsigned supportedInterfaceOrientations() const override;

    void setTexts();
    void layoutPopup();

    // The symbol, title and scroll view, moved as one on the card.
    std::shared_ptr<ui::View> contentColumn;

    // On to the touch pre-confirmation (warning, caution and GPS-failure pop-ups).
    void tapContinueBtn();
    // Ends the use of the feature (every pop-up).
    void tapExitBtn();

    // Dismisses the pop-up and then runs `then` on the geofence screen it was presented over;
    // nothing happens when that screen is not on top of the presenting stack.
    void dismissGeofencePopup(std::function<void(GeofenceViewController&)> then);

protected:
    using Text = std::string (*)(const std::vector<std::string>& preferredLanguages);

    // The pop-up's outlets, under the names of its own scene; absent ones are null.
    struct Outlets {
        ui::View* card;
        ui::ScrollView* scrollView;
        ui::Label* message;
        ui::Label* title;
        ui::Button* okButton;
        ui::Button* middleButton;
        ui::Button* endButton;
    };
    // The texts of its outlets, in the same order; null where the pop-up has no such text.
    struct Texts {
        Text title;
        Text message;
        Text okButton;
        Text middleButton;
        Text endButton;
    };

    virtual Outlets outlets() const = 0;
    virtual Texts texts() const = 0;

    // The geofence screen this pop-up was presented over, while it is on top of the presenting stack.
    std::shared_ptr<GeofenceViewController> presentingGeofence() const;
};

} // namespace tolvane::app
