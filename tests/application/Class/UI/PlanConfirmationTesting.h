#pragma once

#include "application/ScreenFramework/ScreenFrameworkTest.h"

#include "Class/UI/PlanConfirmation/ViewModel/PlanConfirmationViewModel.h"

#include "Internal/Model/IVehicleStateData.h"
#include "rx/Subject.h"

#include <string>
#include <vector>

namespace screen_testing {

// A plan confirmation command as its case name.
inline std::string describe(const PlanConfirmationAction& action)
{
    static const char* const names[] = {"showObstacleAlert", "none", "playPreview", "stopPreview", "dismissPresentedViewController",
                                        "applyParkInPlanView", "applyParkOutPlanView", "applyForwardBackwardPlanView"};
    return names[action.value.index()];
}

// The framework's vehicle state as the plan screens see it, driven by the test.
class FakeVehicleStateData final : public IVehicleStateData {
public:
    rx::Publisher<PlanParkInInfo> planParkInInfo() const override { return parkIn.publisher(); }
    rx::Publisher<PlanParkOutInfo> planParkOutInfo() const override { return parkOut.publisher(); }
    rx::Publisher<PlanForwardBackwardInfo> planForwardBackwardInfo() const override { return forwardBackward.publisher(); }
    rx::Publisher<OperateInfo> operateInfo() const override { return operate.publisher(); }
    rx::Publisher<ObstacleInfo> obstacleInfo() const override { return obstacle.publisher(); }

    rx::PassthroughSubject<PlanParkInInfo> parkIn;
    rx::PassthroughSubject<PlanParkOutInfo> parkOut;
    rx::PassthroughSubject<PlanForwardBackwardInfo> forwardBackward;
    rx::PassthroughSubject<OperateInfo> operate;
    rx::PassthroughSubject<ObstacleInfo> obstacle;
};

// The plan confirmation's view model over a driven vehicle state, with every
// command it publishes recorded.
class PlanConfirmationTest : public ScreenFrameworkTest {
protected:
    std::vector<std::string> takeActions() { return std::exchange(actions, {}); }

    std::shared_ptr<FakeVehicleStateData> vehicleState = std::make_shared<FakeVehicleStateData>();
    std::shared_ptr<PlanConfirmationViewModel> viewModel = make<PlanConfirmationViewModel>(vehicleState, userOperations);
    std::vector<std::string> actions;
    rx::Cancellable recording = viewModel->action().publisher().dropFirst().sink(
        [this](const PlanConfirmationAction& action) { actions.push_back(describe(action)); });
};

} // namespace screen_testing
