#pragma once

#include "ui/ViewController.h"

#include <memory>

namespace ui {
class Button;
class Label;
} // namespace ui

namespace tolvane::app {

// The menu tutorials' pages that only show texts, set once their views have loaded.

class TutorialConnectingViewController final : public ui::ViewController {
public:
    std::shared_ptr<ui::Label> tutorialConnectingTitle;
    std::shared_ptr<ui::Label> tutorialConnectingText;
    std::shared_ptr<ui::Label> tutorialConnectingText2;

    void loadView() override;
    void viewDidLoad() override;
};

class TutorialParkInStartViewController final : public ui::ViewController {
public:
    std::shared_ptr<ui::Label> tutorialInStartTitle;
    std::shared_ptr<ui::Label> tutorialInStartText;
    std::shared_ptr<ui::Label> tutorialInStartText2;
    std::shared_ptr<ui::Label> tutorialInStartText3;

    void loadView() override;
    void viewDidLoad() override;
};

class TutorialParkOutStartViewController final : public ui::ViewController {
public:
    std::shared_ptr<ui::Label> tutorialOutStartTitle;
    std::shared_ptr<ui::Label> tutorialOutStartText;

    void loadView() override;
    void viewDidLoad() override;
};

class TutorialParkOutDetailViewController final : public ui::ViewController {
public:
    std::shared_ptr<ui::Button> powerButton;
    std::shared_ptr<ui::Label> tutorialOutDetailTitle;
    std::shared_ptr<ui::Label> tutorialOutDetailText;
    std::shared_ptr<ui::Label> tutorialOutDetailText2;

    void loadView() override;
    void viewDidLoad() override;
};

} // namespace tolvane::app
