#pragma once

#include "ui/View.h"

#include <memory>

namespace ui {
class Button;
class ScrollView;
} // namespace ui

namespace tolvane::app {

class TutorialStepIndicator;

// The root view of a tutorial flow: the carousel over the whole width, and under it the step
// indicator or, on the first-run tutorial, its start and skip buttons.
class TutorialFlowView final : public ui::View {
public:
    TutorialFlowView(std::shared_ptr<ui::ScrollView> carousel, std::shared_ptr<TutorialStepIndicator> stepIndicator,
                     std::shared_ptr<ui::Button> startButton = nullptr, std::shared_ptr<ui::Button> skipButton = nullptr);

    void layoutSubviews() override;

private:
    std::shared_ptr<ui::ScrollView> carousel_;
    std::shared_ptr<TutorialStepIndicator> stepIndicator_;
    std::shared_ptr<ui::Button> startButton_;
    std::shared_ptr<ui::Button> skipButton_;
};

} // namespace tolvane::app
