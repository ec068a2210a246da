#pragma once

#include "Class/UI/Tutorial/View/TutorialStoryboardFlowViewController.h"
#include "Class/UI/Tutorial/ViewModel/IFirstTutorialFlowViewModel.h"

#include <memory>

namespace ui {
class Button;
}

namespace tolvane::app {

// The first-run tutorial: seven pages from a table of nine, a start button on the last page that
// ends it for good, and a leave button on the first and the last.
class FirstTutorialFlowViewController final : public TutorialStoryboardFlowViewController {
public:
    using ViewModelType = IFirstTutorialFlowViewModel;
    static constexpr int PAGE_COUNT = 7;

    FirstTutorialFlowViewController();

    std::shared_ptr<IFirstTutorialFlowViewModel> viewModel;
    std::shared_ptr<ui::Button> skipButton;
    std::shared_ptr<ui::Button> startButton;
    // Opened from the settings rather than at the first run.
    bool isFromSetting = false;

    void loadView() override;
    void skipTutorial();
    void setupButtonTitles();

    int numberOfPages() const override { return PAGE_COUNT; }
    void pageDidChange(int from, int to) override;
    void viewDidLoad() override;
    void tapNavigationButtonLeave() override;
    void tapSkipButton();
    void tapStartButton();
};

} // namespace tolvane::app
