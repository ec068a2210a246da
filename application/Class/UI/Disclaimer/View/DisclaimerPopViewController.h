#pragma once

#include "Class/UI/Disclaimer/ViewModel/IDisclaimerViewModel.h"

#include "ui/ViewController.h"

#include <memory>

namespace ui {
class Button;
class Label;
class ScrollView;
class View;
} // namespace ui

namespace tolvane::app {

// The terms of use on a card that scales with the screen (396 x 650 points on a 428 x 926 design),
// the text scrolling inside it, with agree and exit. Portrait only, always light. Main thread only.
class DisclaimerPopViewController final : public ui::ViewController {
public:
    // The card's size on the design's screen.
    static constexpr double CARD_WIDTH = 396.0;
    static constexpr double CARD_HEIGHT = 650.0;
    static constexpr double DESIGN_WIDTH = 428.0;
    static constexpr double DESIGN_HEIGHT = 926.0;

    std::shared_ptr<IDisclaimerViewModel> viewModel;
    std::shared_ptr<ui::Label> titleLabel;
    std::shared_ptr<ui::Label> descLabel;
    std::shared_ptr<ui::View> disclaimerPopView;
    std::shared_ptr<ui::ScrollView> disclaimerScrollView;
    std::shared_ptr<ui::Button> okButton;
    std::shared_ptr<ui::Button> endButton;

    void loadView() override;
    void viewDidLoad() override;
    void viewDidLayoutSubviews() override;
    bool shouldAutorotate() const override { return true; }
    unsigned supportedInterfaceOrientations() const override { return ui::InterfaceOrientationMask::portrait; }

    void onTapAgreeBtn();
    void onTapEndBtn();
};

} // namespace tolvane::app
