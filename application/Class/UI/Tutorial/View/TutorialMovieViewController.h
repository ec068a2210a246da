#pragma once

#include "Class/UI/Tutorial/View/TutorialLinkPageViewController.h"

#include <memory>

namespace ui {
class Label;
}

namespace tolvane::app {

// The further-instructions page: a picture, a pointer to the owner's manual and, in Japanese, three
// web links.
class TutorialMovieViewController final : public TutorialLinkPageViewController {
public:
    std::shared_ptr<ui::Label> tutorialMovieText;

    void loadView() override;
    void viewDidLoad() override;
};

} // namespace tolvane::app
