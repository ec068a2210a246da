#pragma once

#include "Class/UI/Tutorial/View/TutorialFlowViewController.h"

#include <memory>
#include <string>
#include <vector>

namespace tolvane::app {

class TutorialStepIndicator;

// A tutorial flow whose pages are the initial controllers of a table of storyboards, made anew
// each time a page is loaded; the carousel and the indicator are outlets of its own storyboard.
class TutorialStoryboardFlowViewController : public TutorialFlowViewController {
public:
    explicit TutorialStoryboardFlowViewController(std::vector<std::string> pageStoryboards);

    std::shared_ptr<ui::ScrollView> carouselView;
    std::shared_ptr<TutorialStepIndicator> stepIndicatorView;

    void loadView() override;
    const std::vector<std::string>& pageStoryboards() const { return pageStoryboards_; }
    int numberOfPages() const override { return static_cast<int>(pageStoryboards_.size()); }
    ui::ScrollView& carousel() const override;
    TutorialStepIndicator& stepIndicator() const override;
    void loadPage(int index) override;

private:
    const std::vector<std::string> pageStoryboards_;
};

} // namespace tolvane::app
