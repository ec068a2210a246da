#include "ScreenFrameworkFakes.h"

#include "Class/Model/CurrentHistoryId.h"
#include "Class/Model/EventStack.h"
#include "Class/UI/Base/View/DisplayPriority.h"
#include "Class/UI/Base/ViewModel/InteruptCustomAlertViewModel.h"

#include "foundation/VirtualTime.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>

namespace screen_testing {
namespace {
// Cause names are read unqualified here; in a scope of their own they cannot meet the display ids
// that the tests compiled with this one read unqualified.
namespace alert_causes {

using enum CauseId;
using Action = IInteruptCustomAlertViewModel::Action;

class InteruptCustomAlertViewModelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        time.mainLoop();
        EventStack::shared().setStack({});
    }
    void TearDown() override { EventStack::shared().setStack({}); }

    std::shared_ptr<InteruptCustomAlertViewModel> requestAlert(RequiredDisplayId displayId, CauseId cause)
    {
        auto model = std::make_shared<InteruptCustomAlertViewModel>(displayModel);
        model->setRequiredWarn(displayId, cause);
        return model;
    }
    std::shared_ptr<InteruptCustomAlertViewModel> inAppAlert(InAppWarningKind kind)
    {
        auto model = std::make_shared<InteruptCustomAlertViewModel>(displayModel);
        model->setInAppWarn(kind);
        return model;
    }

    foundation::VirtualTime time;
    std::shared_ptr<RecordingDisplayModel> displayModel = std::make_shared<RecordingDisplayModel>();
};

TEST_F(InteruptCustomAlertViewModelTest, DisplayRequestsTakeThePriorityOfTheirCause)
{
    struct Case {
        RequiredDisplayId displayId;
        CauseId cause;
        int priority;
    };
    using enum RequiredDisplayId;
    const Case cases[] = {
        {HALT, BT_OFF, 1},         {HALT, BT_LOSS, 2},          {HALT, DCUCSRER_INTERRUPT, 4},       {HALT, DCUIDTER_INTERRUPT, 5},
        {HALT, KEYS_NO_DETECT, 6}, {HALT, ABNORMAL_KEY_IN_CAR, 6}, {HALT, ABNORMAL_CONNECT_BATTERY, 6}, {HALT, CHECKSUM_ANOMALY, 7},
        {HALT, COUNTER_ANOMALY, 8}, {HALT, OUT_AREA, 9},        {HALT, CAN_LOSS, 9},                 {HALT, WRONG_WAY, 9},
        {HALT, LOW_BATTERY, 0},    {HALT, CauseId::DEF, 0},              {STOP, BT_LOSS, 0},                  {RESUME, CauseId::DEF, 5},
        {RESUME, BT_OFF, 5},
    };
    for (const auto& c : cases) {
        auto model = requestAlert(c.displayId, c.cause);
        EXPECT_EQ(model->dispPriority(), c.priority) << caseName(c.displayId) << " " << caseName(c.cause);
        EXPECT_EQ(model->reqDisplayId(), c.displayId);
        EXPECT_EQ(model->causeId(), c.cause);
        EXPECT_EQ(model->alertWarnKind(), InAppWarningKind::none);
    }
}

TEST_F(InteruptCustomAlertViewModelTest, OnlyTheThreeAlertKindsOfInAppWarningAreRecordedWithTheStopPriority)
{
    for (auto kind : foundation::allCases<InAppWarningKind>()) {
        auto model = inAppAlert(kind);
        const bool alertKind = kind == InAppWarningKind::timedOutRequestIDWaiting || kind == InAppWarningKind::cancelConfrim ||
                               kind == InAppWarningKind::overrideOperations;
        EXPECT_EQ(model->alertWarnKind(), alertKind ? kind : InAppWarningKind::none) << caseName(kind);
        EXPECT_EQ(model->dispPriority(), alertKind ? 3 : 0) << caseName(kind);
        std::optional<Action> published;
        auto subscription = model->actionPublisher().sink([&](const Action& action) { published = action; });
        EXPECT_EQ(published, Action(Action::setInAppWarn{kind})) << "the given kind is published even when not recorded";
        EXPECT_FALSE(model->reqDisplayId());
    }
}

TEST_F(InteruptCustomAlertViewModelTest, SameAlertComparesKindDisplayIdAndCauseOnly)
{
    using enum RequiredDisplayId;
    EXPECT_TRUE(requestAlert(HALT, OBSTACLE)->isSameAlert(*requestAlert(HALT, OBSTACLE)));
    EXPECT_FALSE(requestAlert(HALT, OBSTACLE)->isSameAlert(*requestAlert(HALT, OUT_AREA)));
    EXPECT_FALSE(requestAlert(HALT, BT_LOSS)->isSameAlert(*requestAlert(RESUME, BT_LOSS)));
    EXPECT_TRUE(inAppAlert(InAppWarningKind::cancelConfrim)->isSameAlert(*inAppAlert(InAppWarningKind::cancelConfrim)));
    EXPECT_FALSE(inAppAlert(InAppWarningKind::cancelConfrim)->isSameAlert(*inAppAlert(InAppWarningKind::overrideOperations)));
    EXPECT_FALSE(inAppAlert(InAppWarningKind::cancelConfrim)->isSameAlert(*requestAlert(HALT, CauseId::DEF))) << "unset differs from set";
}

TEST_F(InteruptCustomAlertViewModelTest, OutrankingFollowsTheInAppRulesThenThePriority)
{
    using enum RequiredDisplayId;
    // Rows: the alert in place; columns: the candidate. True: the candidate is shown instead.
    const std::vector<std::pair<std::string, std::shared_ptr<InteruptCustomAlertViewModel>>> alerts = {
        {"cancel", inAppAlert(InAppWarningKind::cancelConfrim)},
        {"override", inAppAlert(InAppWarningKind::overrideOperations)},
        {"timeout", inAppAlert(InAppWarningKind::timedOutRequestIDWaiting)},
        {"BT_OFF", requestAlert(HALT, BT_OFF)},
        {"BT_LOSS", requestAlert(HALT, BT_LOSS)},
        {"CHECKSUM", requestAlert(HALT, CHECKSUM_ANOMALY)},
        {"RESUME", requestAlert(RESUME, CauseId::DEF)},
        {"OBSTACLE", requestAlert(HALT, OBSTACLE)},
    };
    const bool expected[8][8] = {
        //          cancel override timeout BT_OFF BT_LOSS CHECKSUM RESUME OBSTACLE
        /* cancel */ {true, false, false, false, true, true, false, false},
        /* override */ {true, true, false, true, true, false, false, false},
        /* timeout */ {true, true, true, true, true, false, false, false},
        /* BT_OFF */ {true, false, false, true, false, false, false, false},
        /* BT_LOSS */ {false, false, false, true, true, false, false, false},
        /* CHECKSUM */ {false, true, true, true, true, true, true, false},
        /* RESUME */ {true, true, true, true, true, false, true, false},
        /* OBSTACLE */ {true, true, true, true, true, true, true, true},
    };
    for (size_t row = 0; row < alerts.size(); ++row)
        for (size_t column = 0; column < alerts.size(); ++column)
            EXPECT_EQ(alerts[row].second->isOutranked(*alerts[column].second), expected[row][column])
                << alerts[row].first << " in place, " << alerts[column].first << " arriving";
}

TEST_F(InteruptCustomAlertViewModelTest, AppearingAndDismissingRecordAndWithdrawTheCloseReason)
{
    using enum RequiredDisplayId;
    struct Case {
        CauseId cause;
        bool dismissForWarn;
        std::vector<EventCode> whileShown;
        std::vector<EventCode> afterDismissal;
    };
    const Case cases[] = {
        {BT_OFF, false, {EventCode::E007}, {}},
        {BT_LOSS, false, {EventCode::E006}, {}},
        {BT_LOSS, true, {EventCode::E006}, {EventCode::E006}},
        {CHECKSUM_ANOMALY, false, {EventCode::E008}, {}},
        {COUNTER_ANOMALY, true, {EventCode::E009}, {EventCode::E009}},
        {KEYS_NO_DETECT, false, {EventCode::E014}, {EventCode::E014}},
        {ABNORMAL_KEY_IN_CAR, false, {EventCode::E017}, {EventCode::E017}},
        {ABNORMAL_CONNECT_BATTERY, true, {EventCode::E016}, {}},
        {OBSTACLE, false, {}, {}},
    };
    for (const auto& c : cases) {
        EventStack::shared().setStack({});
        auto model = requestAlert(HALT, c.cause);
        model->viewWillAppear();
        EXPECT_EQ(EventStack::shared().stack(), c.whileShown) << caseName(c.cause);
        model->setDismissForWarn(c.dismissForWarn);
        model->didDismiss();
        EXPECT_EQ(EventStack::shared().stack(), c.afterDismissal) << caseName(c.cause) << " dismissForWarn " << c.dismissForWarn;
    }
}

TEST_F(InteruptCustomAlertViewModelTest, TellsTheFrameworkAboutADisplayOutsideItsControl)
{
    auto model = inAppAlert(InAppWarningKind::overrideOperations);
    model->notifyDisplayOutsideSdkControl(true);
    model->notifyDisplayOutsideSdkControl(false);
    EXPECT_EQ(displayModel->calls, (std::vector<std::string>{"outside:true", "outside:false"}));
}

} // namespace alert_causes
} // namespace
} // namespace screen_testing
