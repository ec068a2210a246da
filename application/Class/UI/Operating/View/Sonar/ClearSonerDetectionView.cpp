#include "Class/UI/Operating/View/Sonar/ClearSonerDetectionView.h"

#include "Class/UI/Base/View/TextLanguages.h"
#include "Class/UI/Operating/View/Sonar/ClearSonerDetectionNib.h"

#include "ui/Label.h"

#include "R.h"

#include <set>

namespace tolvane::app {
namespace {

using enum ObstaclePosition;

bool isCentre(ObstaclePosition position)
{
    return position == FRONT_LEFT_CENTER || position == FRONT_RIGHT_CENTER || position == REAR_LEFT_CENTER ||
           position == REAR_RIGHT_CENTER;
}

const char* positionName(ObstaclePosition position)
{
    switch (position) {
    case FRONT_LEFT:
        return "frontLeft";
    case FRONT_RIGHT:
        return "frontRight";
    case REAR_LEFT:
        return "rearLeft";
    case REAR_RIGHT:
        return "rearRight";
    case FRONT_LEFT_CENTER:
        return "frontLeftCenter";
    case FRONT_RIGHT_CENTER:
        return "frontRightCenter";
    case REAR_LEFT_CENTER:
        return "rearLeftCenter";
    case REAR_RIGHT_CENTER:
        return "rearRightCenter";
    case FRONT_LEFT_SIDE:
        return "frontLeftSide";
    case FRONT_RIGHT_SIDE:
        return "frontRightSide";
    case REAR_LEFT_SIDE:
        return "rearLeftSide";
    case REAR_RIGHT_SIDE:
        return "rearRightSide";
    }
    return "";
}

const char* bandName(ObstacleDistance distance)
{
    switch (distance) {
    case ObstacleDistance::NONE:
        return "";
    case ObstacleDistance::MOST_SHORT:
        return "Nearest";
    case ObstacleDistance::SHORT:
        return "Near";
    case ObstacleDistance::MIDDLE:
        return "Middle";
    case ObstacleDistance::LONG:
        return "Far";
    case ObstacleDistance::MOST_LONG:
        return "Farthest";
    }
    return "";
}

// The positions whose obstacles light each side's frame.
const std::vector<ObstaclePosition> frontSide{FRONT_LEFT, FRONT_RIGHT, FRONT_LEFT_CENTER, FRONT_RIGHT_CENTER};
const std::vector<ObstaclePosition> rearSide{REAR_LEFT, REAR_RIGHT, REAR_LEFT_CENTER, REAR_RIGHT_CENTER};
const std::vector<ObstaclePosition> rightSide{FRONT_RIGHT_SIDE, REAR_RIGHT_SIDE};
const std::vector<ObstaclePosition> leftSide{FRONT_LEFT_SIDE, REAR_LEFT_SIDE};

} // namespace

bool ClearSonerDetectionView::hasBar(ObstaclePosition position, ObstacleDistance distance)
{
    return distance != ObstacleDistance::NONE && (distance != ObstacleDistance::MOST_LONG || isCentre(position));
}

std::string ClearSonerDetectionView::barName(ObstaclePosition position, ObstacleDistance distance)
{
    return std::string(positionName(position)) + bandName(distance) + "ObstacleDetectionBarView";
}

ClearSonerDetectionView::ClearSonerDetectionView(const ui::Rect& frame) : OperatingModelView(frame)
{
    auto* nib = dynamic_cast<ClearSonerDetectionNib*>(loadContent(ClearSonerDetectionNib::name).get());
    if (!nib)
        return;
    outlets_ = nib->outlets;
    outlets_.movingObjectsDetectionLabel->setText(R::string::localizable::Parking_DetectedMovingObjects(textLanguages()));
}

void ClearSonerDetectionView::subscribe(const std::shared_ptr<IOperatingViewModel>& viewModel, rx::CancellableSet& subscriptions)
{
    auto weak = std::weak_ptr<ClearSonerDetectionView>(std::static_pointer_cast<ClearSonerDetectionView>(shared_from_this()));
    subscriptions.insert(viewModel->clearSonerDetectionAction().sink([weak](const IOperatingViewModel::ClearSonerDetectionAction& action) {
        if (auto self = weak.lock())
            self->apply(action);
    }));
}

void ClearSonerDetectionView::apply(const IOperatingViewModel::ClearSonerDetectionAction& action)
{
    using A = IOperatingViewModel::ClearSonerDetectionAction;
    if (auto* positions = std::get_if<A::setObstaclePositions>(&action.value)) {
        obstacles_ = positions->obstacles;
        updateObstacleDetectionBars();
    } else if (auto* moving = std::get_if<A::setIsMovingObjects>(&action.value)) {
        detectedMovingObjects_ = moving->isMovingObjects;
        outlets_.movingObjectsDetectionLabel->setHidden(!moving->isMovingObjects);
    }
}

void ClearSonerDetectionView::updateObstacleDetectionBars()
{
    std::set<BarKey> lit;
    for (const auto& [position, distance] : obstacles_)
        if (hasBar(position, distance))
            lit.insert({position, distance});
    for (const auto& [key, bar] : outlets_.bars)
        bar->setHidden(!lit.contains(key));

    auto occupied = [this](const std::vector<ObstaclePosition>& group) {
        for (ObstaclePosition position : group) {
            auto it = obstacles_.find(position);
            if (it != obstacles_.end() && it->second != ObstacleDistance::NONE)
                return true;
        }
        return false;
    };
    const std::pair<const std::vector<ObstaclePosition>*, const std::vector<std::shared_ptr<ui::View>>*> sides[] = {
        {&frontSide, &outlets_.frontObstacleDetectionBarViewCollection},
        {&rearSide, &outlets_.rearObstacleDetectionBarViewCollection},
        {&rightSide, &outlets_.rightObstacleDetectionBarViewCollection},
        {&leftSide, &outlets_.leftObstacleDetectionBarViewCollection},
    };
    for (const auto& [group, frames] : sides) {
        const bool show = occupied(*group);
        for (const auto& frame : *frames)
            frame->setHidden(!show);
    }
}

} // namespace tolvane::app
