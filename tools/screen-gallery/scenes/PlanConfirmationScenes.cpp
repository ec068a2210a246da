// The gallery's table for the plan confirmation: each plan kind as the vehicle offers it.

#include "GalleryScene.h"
#include "GalleryStage.h"

#include "Internal/Model/IInternalVehicleStateData.h"
#include "Internal/Model/IVehicleStateData.h"
#include "di/Container.h"

namespace screen_gallery {
namespace {

using namespace tolvane;

IInternalVehicleStateData& vehicleState()
{
    return dynamic_cast<IInternalVehicleStateData&>(*di::Container::defaultContainer().resolve<IVehicleStateData>());
}

// The vehicle requires the plan display, then repeats it with its plan record as it does while
// waiting. The first request brings the router's own plan screen; the repeat reaches its view model.
void offer(GalleryStage& stage, RequiredDisplayId display, const std::function<void()>& sendPlan)
{
    stage.publishDisplay(display, CauseId::DEF);
    stage.advance(1.0);
    stage.publishDisplay(display, CauseId::DEF);
    stage.advance(0.1);
    sendPlan();
    stage.advance(0.1);
    sendPlan();
}

const GalleryScenes planConfirmationScenes{
    {"PlanConfirmation", "park-in",
     [](GalleryStage& stage) {
         offer(stage, RequiredDisplayId::SEL_PARK_IN, [] {
             vehicleState().updatePlanParkInInfo(
                 {.obstacle = false, .moveDirection = MoveParkInDirection::VERTICAL, .recommendedDirection = PlanParkInDirection::LEFT});
         });
     }},
    {"PlanConfirmation", "park-out",
     [](GalleryStage& stage) {
         offer(stage, RequiredDisplayId::SEL_PARK_OUT, [] {
             using enum PlanParkOutDirection;
             vehicleState().updatePlanParkOutInfo({.moveDirection = MoveParkOutDirection::PARALLEL,
                                                   .controllableDirections = std::vector{FORWARD_LEFT, FORWARD, FORWARD_RIGHT, BACKWARD}});
         });
     }},
    {"PlanConfirmation", "park-out-vertical",
     [](GalleryStage& stage) {
         offer(stage, RequiredDisplayId::SEL_PARK_OUT, [] {
             using enum PlanParkOutDirection;
             vehicleState().updatePlanParkOutInfo(
                 {.moveDirection = MoveParkOutDirection::VERTICAL, .controllableDirections = std::vector{FORWARD_LEFT, FORWARD_RIGHT, BACKWARD}});
         });
     }},
    {"PlanConfirmation", "forward-backward",
     [](GalleryStage& stage) {
         offer(stage, RequiredDisplayId::SEL_FORWARD_BACKWARD, [] {
             using enum PlanForwardBackwardDirection;
             vehicleState().updatePlanForwardBackwardInfo(
                 {.obstacle = false, .controllableDirections = std::vector{FORWARD, BACKWARD}, .recommendedDirection = FORWARD});
         });
     }},
    {"PlanConfirmation", "obstacle",
     [](GalleryStage& stage) {
         offer(stage, RequiredDisplayId::SEL_FORWARD_BACKWARD, [] {
             using enum PlanForwardBackwardDirection;
             vehicleState().updatePlanForwardBackwardInfo(
                 {.obstacle = true, .controllableDirections = std::vector{BACKWARD}, .recommendedDirection = BACKWARD});
         });
     }},
};

} // namespace
} // namespace screen_gallery
