#pragma once

#include "ui/PresentationController.h"

#include <memory>

namespace ui {
class View;
}

namespace tolvane::app {

// The chrome of every pop-up: a dark overlay under it that fades to half opacity along the
// transition, and the pop-up's rounded corners.
class PopupPresentationController : public ui::PresentationController, public std::enable_shared_from_this<PopupPresentationController> {
public:
    PopupPresentationController(ui::ViewController& presented, ui::ViewController* presenting);

    const std::shared_ptr<ui::View>& overlayView() const { return overlayView_; }

    void presentationTransitionWillBegin() override;
    void containerViewWillLayoutSubviews() override;
    void dismissalTransitionWillBegin() override;
    void dismissalTransitionDidEnd(bool completed) override;

private:
    void fadeOverlayAlongside(double alpha);

    std::shared_ptr<ui::View> overlayView_;
};

} // namespace tolvane::app
