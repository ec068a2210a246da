#pragma once

#include "Class/UI/Operating/View/OperatingModelView.h"

#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace ui {
class Label;
}

namespace tolvane::app {

// The obstacles the vehicle's sonar reports: one bar lit per obstacle at its position and distance
// band, a frame on each side that has any, and a notice when objects move. It follows the operating
// view model itself. Main thread only.
class ClearSonerDetectionView : public OperatingModelView {
public:
    using BarKey = std::pair<ObstaclePosition, ObstacleDistance>;
    struct Outlets {
        // The 52 bars, by position and band (NONE has none, MOST_LONG only the centre positions).
        std::map<BarKey, std::shared_ptr<ui::View>> bars;
        std::vector<std::shared_ptr<ui::View>> frontObstacleDetectionBarViewCollection;
        std::vector<std::shared_ptr<ui::View>> rearObstacleDetectionBarViewCollection;
        std::vector<std::shared_ptr<ui::View>> rightObstacleDetectionBarViewCollection;
        std::vector<std::shared_ptr<ui::View>> leftObstacleDetectionBarViewCollection;
        std::shared_ptr<ui::Label> movingObjectsDetectionLabel;
    };

    // Whether the position has a bar for the band.
    static bool hasBar(ObstaclePosition position, ObstacleDistance distance);
    // The bar's outlet name: "frontLeftCenterFarthestObstacleDetectionBarView".
    static std::string barName(ObstaclePosition position, ObstacleDistance distance);

    explicit ClearSonerDetectionView(const ui::Rect& frame = {});

    const Outlets& outlets() const { return outlets_; }
    const std::map<ObstaclePosition, ObstacleDistance>& obstacles() const { return obstacles_; }
    bool detectedMovingObjects() const { return detectedMovingObjects_; }

    void apply(const IOperatingViewModel::ClearSonerDetectionAction& action);

private:
    void subscribe(const std::shared_ptr<IOperatingViewModel>& viewModel, rx::CancellableSet& subscriptions) override;
    void updateObstacleDetectionBars();

    Outlets outlets_;
    std::map<ObstaclePosition, ObstacleDistance> obstacles_;
    bool detectedMovingObjects_ = false;
};

} // namespace tolvane::app
