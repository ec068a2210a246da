#pragma once

#include "ScreenFrameworkFakes.h"

#include "application/Class/Model/Terminal/LinkTestBench.h"

#include "Class/Model/CarRecordStore.h"
#include "Class/Model/CurrentHistoryId.h"
#include "Class/Model/EventStack.h"
#include "Class/UI/Base/ViewModel/BaseViewModelInjection.h"

#include <functional>
#include <memory>
#include <string>
#include <utility>

namespace screen_testing {

// A registered car known by its id and name only.
inline CarRecord car(const std::string& id, const std::string& name)
{
    return {.CarID = id, .CarImagePath = "", .CarName = name, .CreateDate = "", .UpdateDate = ""};
}

// The link of the vehicle-link tests, with fakes of the framework's state and services and of the
// router behind the view models, a chosen car and a fresh run's close reasons.
class ScreenFrameworkTest : public link_testing::LinkTest {
protected:
    static constexpr const char* kHistoryId = "6F9619FF-8B86-D011-B42D-00C04FC964FF";

    ScreenFrameworkTest()
    {
        currentHistoryId().set(kHistoryId);
        EventStack::shared().setStack({});
        CarRecordStore::shared().selectedCarRecord = chosenCar();
    }
    ~ScreenFrameworkTest() override
    {
        CarRecordStore::shared().selectedCarRecord.reset();
        EventStack::shared().setStack({});
        currentHistoryId().set({});
    }

    static CarRecord chosenCar()
    {
        return {.CarID = kUnit, .CarImagePath = "", .CarName = "My car", .CreateDate = "", .UpdateDate = ""};
    }

    BaseViewModelInjection injection() const
    {
        return {.transitionManager = router, .displayData = displayData, .cautionData = cautionData,
                .userOperationModel = userOperations, .sdkModel = sdkModel, .displayModel = displayModel};
    }

    template <class ViewModel, class... Extra>
    std::shared_ptr<ViewModel> make(Extra&&... extra) const
    {
        return std::make_shared<ViewModel>(injection(), std::forward<Extra>(extra)...);
    }

    // The framework publishes a pair; the view model decides on the next turn of the main loop.
    void publish(RequiredDisplayId displayId, CauseId cause)
    {
        displayData->subject.send(displayId);
        cautionData->subject.send(cause);
    }

    // What the code under test printed as tagged log lines.
    static std::string myLogLines(const std::function<void()>& work)
    {
        ::testing::internal::CaptureStdout();
        work();
        return ::testing::internal::GetCapturedStdout();
    }

    std::shared_ptr<RecordingTransitionManager> router = std::make_shared<RecordingTransitionManager>();
    std::shared_ptr<FakeDisplayData> displayData = std::make_shared<FakeDisplayData>();
    std::shared_ptr<FakeCautionData> cautionData = std::make_shared<FakeCautionData>();
    std::shared_ptr<RecordingUserOperationModel> userOperations = std::make_shared<RecordingUserOperationModel>();
    std::shared_ptr<RecordingSdkModel> sdkModel = std::make_shared<RecordingSdkModel>();
    std::shared_ptr<RecordingDisplayModel> displayModel = std::make_shared<RecordingDisplayModel>();
};

} // namespace screen_testing
