#pragma once

#include "Class/UI/Base/View/ScreenViewController.h"
#include "Class/UI/ConnectionConfirmation/ViewModel/IConnectionConfirmationViewModel.h"

#include "ui/ScrollView.h"

#include <memory>
#include <vector>

namespace ui {
class Button;
class Label;
} // namespace ui

namespace tolvane::app {

class ConnectionConfirmationPageControl;

// The registered cars as pages of a carousel with page marks, and the button that connects to the
// car in view. Main thread only.
class ConnectionConfirmationViewController final : public ScreenViewController<IConnectionConfirmationViewModel>,
                                                     public ui::IScrollViewDelegate {
public:
    // Width of the page marks per page.
    static constexpr double PAGE_MARK_SPACING = 35.0;

    std::shared_ptr<ui::ScrollView> scrollView;
    std::shared_ptr<ConnectionConfirmationPageControl> pageControl;
    std::shared_ptr<ui::Label> startLabel;
    std::shared_ptr<ui::Label> slideOperationLabel;
    std::shared_ptr<ui::Button> connectButton;

    void loadView() override;
    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;
    void scrollViewDidScroll(ui::ScrollView& scrollView) override;

    void onTapConnectButton();
    void setScrollView(const std::vector<CarRecord>& carRecords);

private:
    void apply(const IConnectionConfirmationViewModel::Action& action);
};

} // namespace tolvane::app
