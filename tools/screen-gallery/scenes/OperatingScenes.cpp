// The gallery's table for the operating screen: the slider at rest and held, forward and backward,
// with obstacles and moving objects, and the same screen holding the ring ("OperatingRing").

#include "GalleryScene.h"
#include "GalleryStage.h"

#include "Class/UI/Operating/View/OperatingViewController.h"

#include "Internal/Model/IInternalVehicleStateData.h"
#include "Internal/Model/IVehicleStateData.h"
#include "di/Container.h"
#include "ui/StoryboardRegistry.h"
#include "ui/TouchDriver.h"

#include <cmath>

namespace screen_gallery {
namespace {

using namespace tolvane;
using Control = app::OperatingViewController::HoldControl;

const bool ringStoryboard = [] {
    ui::StoryboardRegistry::shared().registerStoryboard("OperatingRing",
                                                        [] { return std::make_shared<app::OperatingViewController>(Control::ring); });
    return true;
}();

IInternalVehicleStateData& vehicle()
{
    auto state = di::Container::defaultContainer().resolve<IVehicleStateData>();
    return dynamic_cast<IInternalVehicleStateData&>(*state);
}

// The vehicle reports a movement with two obstacles ahead and, when asked, moving objects.
void report(OperateDirection direction, int64_t remain, bool moving)
{
    using enum ObstaclePosition;
    vehicle().updateOperateInfo({.operateDirection = direction, .remainDistance = remain, .operateInterruptReq = OperateReq::ENABLE,
                                 .operateFinishReq = OperateReq::ENABLE, .operateDirectionSwitchReq = OperateReq::ENABLE});
    const bool forward = direction <= OperateDirection::FORWARD_RIGHT;
    vehicle().updateObstacleInfo(
        {.obstacles = std::map<ObstaclePosition, ObstacleDistance>{{forward ? FRONT_LEFT_CENTER : REAR_LEFT_CENTER, ObstacleDistance::MIDDLE},
                                                                   {forward ? FRONT_RIGHT : REAR_RIGHT, ObstacleDistance::SHORT},
                                                                   {FRONT_RIGHT_SIDE, ObstacleDistance::MOST_SHORT}},
         .moves = moving ? std::vector<MovesPosition>{MovesPosition::FRONT_LEFT} : std::vector<MovesPosition>{}});
}

void holdSlider(GalleryStage& stage)
{
    // Kept alive for the picture: the finger stays on the glass.
    static std::unique_ptr<ui::TouchDriver> fingers;
    fingers = std::make_unique<ui::TouchDriver>(stage.stageWindow());
    auto finger = fingers->begin({195, 760});
    fingers->move(finger, {195, 700});
    fingers->move(finger, {195, 640});
}

// A finger drawn round part of the ring's circle, so the stick leads its trail.
void holdRing(GalleryStage& stage)
{
    static std::unique_ptr<ui::TouchDriver> fingers;
    fingers = std::make_unique<ui::TouchDriver>(stage.stageWindow());
    const ui::Point centre{195, 650};
    auto finger = fingers->begin(centre);
    for (int step = 0; step <= 10; ++step) {
        const double angle = -1.2 + 0.12 * step;
        fingers->move(finger, {centre.x + 80 * std::sin(angle), centre.y - 80 * std::cos(angle)});
    }
}

const GalleryScenes operatingScenes{
    {"Operating", "initial"},
    {"Operating", "forward", [](GalleryStage&) { report(OperateDirection::FORWARD, 123, false); }},
    {"Operating", "forward-held",
     [](GalleryStage& stage) {
         report(OperateDirection::FORWARD_LEFT, 87, false);
         holdSlider(stage);
     },
     0.5},
    {"Operating", "backward-moving-objects", [](GalleryStage&) { report(OperateDirection::BACKWARD_RIGHT, 42, true); }},
    {"OperatingRing", "forward", [](GalleryStage&) { report(OperateDirection::FORWARD, 123, false); }},
    {"OperatingRing", "forward-held",
     [](GalleryStage& stage) {
         report(OperateDirection::FORWARD, 123, false);
         report(OperateDirection::FORWARD, 80, false);
         holdRing(stage);
     },
     0.2},
};

} // namespace
} // namespace screen_gallery
