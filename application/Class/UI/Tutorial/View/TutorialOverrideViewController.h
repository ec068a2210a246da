#pragma once

#include "ui/ViewController.h"

#include <memory>

namespace ui {
class Label;
}

namespace tolvane::app {

// A page on how to stop the vehicle at any time; the park-in and park-out tutorials show it as it
// is, the first-run tutorial with a header line above it.
class TutorialOverrideViewController : public ui::ViewController {
public:
    std::shared_ptr<ui::Label> titleLabel;
    std::shared_ptr<ui::Label> messageLabel;
    std::shared_ptr<ui::Label> openDoorLabel;
    std::shared_ptr<ui::Label> phoneLabel;

    void loadView() override;
    void viewDidLoad() override;
    virtual void setupLabels();
};

class TutorialParkInOverrideViewController final : public TutorialOverrideViewController {};

class TutorialParkOutOverrideViewController final : public TutorialOverrideViewController {};

class FirstTutorialOverrideViewController final : public TutorialOverrideViewController {
public:
    std::shared_ptr<ui::Label> tutorialLabel;

    void loadView() override;
    void setupLabels() override;
};

} // namespace tolvane::app
