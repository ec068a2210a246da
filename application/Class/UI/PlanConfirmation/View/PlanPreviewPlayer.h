#pragma once

#include "rx/Cancellable.h"
#include "ui/View.h"

#include <memory>
#include <optional>
#include <string>

namespace ui {
class ImageView;
}

namespace tolvane::app {

class IPlanConfirmationViewModel;

// The base of the plan previews: an animated picture of the car's movement over the parking place,
// fed by one kind of plan record. The screen sets the view model before anything else is used.
class PlanPreviewPlayer : public ui::View {
public:
    explicit PlanPreviewPlayer(const ui::Rect& frame);

    std::shared_ptr<IPlanConfirmationViewModel> viewModel;
    std::shared_ptr<ui::ImageView> animLayer;
    // The plan subscription, ended by the screen when it goes off screen.
    rx::CancellableSet cancellables;

    virtual void setPreviewHidden(bool) {}
    // Follows this preview's plan records from the next one on.
    virtual void subscribePlan() = 0;

    // The animation playing, none when the picture is empty.
    const std::optional<std::string>& playingAnimation() const { return playingAnimation_; }

protected:
    IPlanConfirmationViewModel& model() const;
    // Loops the bundle's "<name>.gif"; a missing or unreadable one leaves the picture empty.
    void playAnimation(const std::string& name);
    void clearAnimation();

private:
    std::optional<std::string> playingAnimation_;
};

} // namespace tolvane::app
