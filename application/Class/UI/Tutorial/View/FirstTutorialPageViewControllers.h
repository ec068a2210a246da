#pragma once

#include "ui/ViewController.h"

#include <memory>

namespace ui {
class Label;
}

namespace tolvane::app {

class InPreview;
class SliderControlView;

// Pages 0 to 6 of the first-run tutorial: their texts, pictures and controls all come with their
// storyboards, and they run no code of their own.

class FirstTutorialTitleViewController final : public ui::ViewController {
public:
    std::shared_ptr<ui::Label> titleWelcome;
    std::shared_ptr<ui::Label> titleTolvane;
    std::shared_ptr<ui::Label> titleMain;

    void loadView() override;
};

class FirstTutorialDisclaimerViewController final : public ui::ViewController {
public:
    std::shared_ptr<ui::Label> disclaimerTitle;
    std::shared_ptr<ui::Label> disclaimerDescription;

    void loadView() override;
};

class FirstTutorialConnectingViewController final : public ui::ViewController {
public:
    std::shared_ptr<ui::Label> connectingTitle;
    std::shared_ptr<ui::Label> connectingMain;
    std::shared_ptr<ui::Label> connectingMain2;

    void loadView() override;
};

class FirstTutorialInsideVehicleViewController final : public ui::ViewController {
public:
    std::shared_ptr<ui::Label> insideVehicleTitle1;
    std::shared_ptr<ui::Label> insideVehicleTitle2;
    std::shared_ptr<ui::Label> insideVehicleMain1;
    std::shared_ptr<ui::Label> insideVehicleMain2;
    std::shared_ptr<ui::Label> insideVehicleMain3;

    void loadView() override;
};

class FirstTutorialPlanConfirmationViewController final : public ui::ViewController {
public:
    std::shared_ptr<InPreview> inPlanPreview;
    std::shared_ptr<ui::Label> firstTutorialPlanConfirmationHeaderTitle;
    std::shared_ptr<ui::Label> firstTutorialPlanConfirmationGuide;
    std::shared_ptr<ui::Label> firstTutorialPlanConfirmationDescription;
    std::shared_ptr<ui::Label> firstTutorialPlanConfirmationTitle;
    std::shared_ptr<ui::Label> firstTutorialPlanConfirmationSupplementation;

    void loadView() override;
};

class FirstTutorialControllingViewController final : public ui::ViewController {
public:
    std::shared_ptr<SliderControlView> sliderControl;
    std::shared_ptr<ui::Label> firstTutorialControllingHeaderTitle;
    std::shared_ptr<ui::Label> firstTutorialControllingTitle;
    std::shared_ptr<ui::Label> firstTutorialControllingDescription;
    std::shared_ptr<ui::Label> firstTutorialControllingSupplementation;

    void loadView() override;
};

class FirstTutorialOutsideVehicleViewController final : public ui::ViewController {
public:
    std::shared_ptr<ui::Label> firstTutorialOutsideVehicleHeaderTitle;
    std::shared_ptr<ui::Label> firstTutorialOutsideVehicleTitle;
    std::shared_ptr<ui::Label> firstTutorialOutsideVehicleDescription;
    std::shared_ptr<ui::Label> firstTutorialOutsideVehicleSupplementation;

    void loadView() override;
};

} // namespace tolvane::app
