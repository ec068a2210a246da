#pragma once

#include "Class/UI/Operating/View/OperatingModelView.h"

#include <memory>
#include <string>

namespace ui {
class ImageView;
class Label;
} // namespace ui

namespace tolvane::app {

// How far the vehicle still has to go in the current movement and which way it turns: the distance
// in front of or behind the car and one of six trajectory pictures. It follows the operating view
// model itself. Main thread only.
class DriveProgressView : public OperatingModelView {
public:
    struct Outlets {
        std::shared_ptr<ui::Label> remainingDistanceFrontLabel;
        std::shared_ptr<ui::Label> remainingDistanceBackLabel;
        std::shared_ptr<ui::ImageView> remainingTrajectoryLeftForward4m;
        std::shared_ptr<ui::ImageView> remainingTrajectoryStraightForward4m;
        std::shared_ptr<ui::ImageView> remainingTrajectoryRightForward4m;
        std::shared_ptr<ui::ImageView> remainingTrajectoryLeftBackward4m;
        std::shared_ptr<ui::ImageView> remainingTrajectoryStraightBackward4m;
        std::shared_ptr<ui::ImageView> remainingTrajectoryRightBackward4m;
    };

    // Metres with one decimal, rounded down, in the English of the United States: "12.3 m".
    static std::string formattedDistance(double metres);

    explicit DriveProgressView(const ui::Rect& frame = {});

    const Outlets& outlets() const { return outlets_; }
    void apply(OperateDirection direction, double remainDistance);

private:
    void subscribe(const std::shared_ptr<IOperatingViewModel>& viewModel, rx::CancellableSet& subscriptions) override;
    void showTrajectory(OperateDirection direction);

    Outlets outlets_;
};

} // namespace tolvane::app
