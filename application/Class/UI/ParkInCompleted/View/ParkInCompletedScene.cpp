#include "Class/UI/ParkInCompleted/View/ParkInCompletedScene.h"

#include "Class/UI/Base/View/CompletionLayout.h"
#include "Class/UI/Base/View/ScreenStyle.h"
#include "Class/UI/ParkInCompleted/View/ParkInCompletedViewController.h"

#include "ui/ActivityIndicatorView.h"
#include "ui/Label.h"

namespace tolvane::app {

void ParkInCompletedScene::build(ParkInCompletedViewController& screen)
{
    std::weak_ptr<ParkInCompletedViewController> weak = std::static_pointer_cast<ParkInCompletedViewController>(screen.shared_from_this());
    auto layout = CompletionLayout::make([weak] {
        if (auto self = weak.lock())
            self->tapExitButton();
    });
    const double width = layout.root->bounds().width();
    screen.myCarImageView = layout.carImageView;
    screen.titleLabel = layout.titleLabel;
    screen.exitButton = layout.exitButton;
    // The hazard note sits below the title.
    screen.processIndicatorView = std::make_shared<ui::ActivityIndicatorView>(ui::ActivityIndicatorStyle::medium);
    screen.processIndicatorView->setCenter(layout.waitingCenter);
    screen.processIndicatorView->setColor(ScreenStyle::ink());
    screen.actionLabel = std::make_shared<ui::Label>(ui::Rect{24, 420, width - 48, 48});
    ScreenStyle::body(*screen.actionLabel, ScreenStyle::alert());
    layout.root->addSubview(screen.processIndicatorView);
    layout.root->addSubview(screen.actionLabel);
    screen.setView(layout.root);
}

} // namespace tolvane::app
