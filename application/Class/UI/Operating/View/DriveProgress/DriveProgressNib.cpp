#include "Class/UI/Operating/View/DriveProgress/DriveProgressNib.h"

#include "ui/ImageView.h"
#include "ui/Label.h"
#include "ui/NibRegistry.h"

#include "R.h"

namespace tolvane::app {
namespace {

// Narrower than the view and centred under the trajectory, a little left of the view's middle: the
// distance breaks into three short lines that keep clear of the sonar's side frame on the left and
// of the screen's edge on the right, on a 375-point screen too.
std::shared_ptr<ui::Label> distanceLabel()
{
    auto label = std::make_shared<ui::Label>(ui::Rect{11, 58, 84, 54});
    label->setFont(ui::Font::systemFont(13, ui::FontWeight::semibold));
    label->setTextColor(ui::Color::rgb255(0x1E, 0x2A, 0x3A));
    label->setTextAlignment(ui::TextAlignment::center);
    label->setNumberOfLines(3);
    return label;
}

std::shared_ptr<ui::ImageView> trajectory(std::optional<ui::Image> image)
{
    auto view = std::make_shared<ui::ImageView>(ui::Rect{33, 0, 40, 56});
    view->setImage(std::move(image));
    view->setContentMode(ui::ContentMode::scaleAspectFit);
    view->setHidden(true);
    return view;
}

} // namespace

void DriveProgressNib::registerNib()
{
    ui::NibRegistry::shared().registerNib(name, [] { return std::make_shared<DriveProgressNib>(); });
}

DriveProgressNib::DriveProgressNib()
{
    outlets.remainingTrajectoryLeftForward4m = trajectory(R::image::trajectory_left_forward());
    outlets.remainingTrajectoryStraightForward4m = trajectory(R::image::trajectory_straight_forward());
    outlets.remainingTrajectoryRightForward4m = trajectory(R::image::trajectory_right_forward());
    outlets.remainingTrajectoryLeftBackward4m = trajectory(R::image::trajectory_left_backward());
    outlets.remainingTrajectoryStraightBackward4m = trajectory(R::image::trajectory_straight_backward());
    outlets.remainingTrajectoryRightBackward4m = trajectory(R::image::trajectory_right_backward());
    outlets.remainingDistanceFrontLabel = distanceLabel();
    outlets.remainingDistanceBackLabel = distanceLabel();
    outlets.remainingDistanceBackLabel->setHidden(true);
    for (const auto& view : {outlets.remainingTrajectoryLeftForward4m, outlets.remainingTrajectoryStraightForward4m,
                             outlets.remainingTrajectoryRightForward4m, outlets.remainingTrajectoryLeftBackward4m,
                             outlets.remainingTrajectoryStraightBackward4m, outlets.remainingTrajectoryRightBackward4m})
        addSubview(view);
    addSubview(outlets.remainingDistanceFrontLabel);
    addSubview(outlets.remainingDistanceBackLabel);
}

} // namespace tolvane::app
