#pragma once

#include "Class/UI/Arrival/ViewModel/IArrivalViewModel.h"
#include "Class/UI/Base/View/ScreenViewController.h"

#include <memory>

namespace ui {
class ImageView;
class Label;
} // namespace ui

namespace tolvane::app {

// The car's picture and the request to get into the car; the navigation bar's exit button is the
// only control. Main thread only.
class ArrivalViewController final : public ScreenViewController<IArrivalViewModel> {
public:
    std::shared_ptr<ui::Label> announceLabel;
    std::shared_ptr<ui::ImageView> carImageView;

    void loadView() override;
    void viewDidLoad() override;
    void tapNavigationButtonExit() override;
};

} // namespace tolvane::app
