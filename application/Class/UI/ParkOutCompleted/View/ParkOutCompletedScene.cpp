#include "Class/UI/ParkOutCompleted/View/ParkOutCompletedScene.h"

#include "Class/UI/Base/View/CompletionLayout.h"
#include "Class/UI/ParkOutCompleted/View/ParkOutCompletedViewController.h"

namespace tolvane::app {

void ParkOutCompletedScene::build(ParkOutCompletedViewController& screen)
{
    std::weak_ptr<ParkOutCompletedViewController> weak = std::static_pointer_cast<ParkOutCompletedViewController>(screen.shared_from_this());
    auto layout = CompletionLayout::make([weak] {
        if (auto self = weak.lock())
            self->tapExitButton();
    });
    screen.myCarImageView = layout.carImageView;
    screen.titleLabel = layout.titleLabel;
    screen.exitButton = layout.exitButton;
    screen.setView(layout.root);
}

} // namespace tolvane::app
