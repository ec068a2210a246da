#pragma once

#include "Class/UI/Tutorial/View/TutorialLinkPageViewController.h"

#include <memory>

namespace ui {
class Button;
class Label;
} // namespace ui

namespace tolvane::app {

// The first-run tutorial's closing page: getting started, the way to the tutorial menu, the
// Japanese web links, and a "do not show again" box that starts ticked and stays hidden.
class FirstTutorialMovieViewController final : public TutorialLinkPageViewController {
public:
    std::shared_ptr<ui::Button> checkBox;
    std::shared_ptr<ui::Label> hiddenLabel;
    std::shared_ptr<ui::Label> start;
    std::shared_ptr<ui::Label> tolvane;
    std::shared_ptr<ui::Label> firstTutorialMovieDescription;
    std::shared_ptr<ui::Label> supplementation;
    bool isChecked = false;

    void loadView() override;
    void check();
    void uncheck();
    void setupTexts();

    void viewDidLoad() override;
    void tapCheckBox();
    void tapHiddenLabel();

private:
    void toggle();
    void setChecked(bool checked);
};

} // namespace tolvane::app
