#pragma once

#include "ui/ViewController.h"

#include <memory>

namespace ui {
class Label;
}

namespace tolvane::app {

class FrontBackPreview;
class InPreview;
class SliderControlView;

// The park-in and park-out tutorials' pages that demonstrate the real parking controls: the plan
// previews play their animations, and the slider runs its hand animation while its page is shown.

class TutorialParkInSelectViewController final : public ui::ViewController {
public:
    std::shared_ptr<InPreview> inPlanPreview;
    std::shared_ptr<ui::Label> tutorialInSelecetTitle;
    std::shared_ptr<ui::Label> tutorialInSelecetText;
    std::shared_ptr<ui::Label> tutorialInSelecetText2;

    void loadView() override;
    void viewDidLoad() override;
};

class TutorialParkOutSelectViewController final : public ui::ViewController {
public:
    std::shared_ptr<FrontBackPreview> frontBackPreview;
    std::shared_ptr<ui::Label> tutorialOutSelectTitle;
    std::shared_ptr<ui::Label> tutorialOutSelectText;
    std::shared_ptr<ui::Label> tutorialOutSelectText2;

    void loadView() override;
    void viewDidLoad() override;
};

// A page that runs the slider's hand animation while it is shown and stops its timers when it goes.
class TutorialControlPageViewController : public ui::ViewController {
public:
    std::shared_ptr<SliderControlView> sliderControl;

    void viewWillAppear(bool animated) override;
    void viewWillDisappear(bool animated) override;
};

class TutorialParkInControlViewController final : public TutorialControlPageViewController {
public:
    std::shared_ptr<ui::Label> tutorialInControlTitle;
    std::shared_ptr<ui::Label> tutorialInControlText;
    std::shared_ptr<ui::Label> tutorialInControlText2;

    void loadView() override;
    void viewDidLoad() override;
};

class TutorialParkOutControlViewController final : public TutorialControlPageViewController {
public:
    std::shared_ptr<ui::Label> tutorialOutControlTitle;
    std::shared_ptr<ui::Label> tutorialOutControlText;
    std::shared_ptr<ui::Label> tutorialOutControlText2;

    void loadView() override;
    void viewDidLoad() override;
};

} // namespace tolvane::app
