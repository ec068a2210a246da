#include "Class/Model/AppCauseId.h"
#include "Class/Model/ViewCategoryManager.h"

#include <gtest/gtest.h>

#include <set>

namespace {

using tolvane::CauseId;
using tolvane::RequiredDisplayId;
using tolvane::app::ViewCategoryManager;

int category(RequiredDisplayId displayId, CauseId cause)
{
    return ViewCategoryManager::shared().getViewCategory(displayId, cause);
}

TEST(ViewCategoryManagerTest, NamedPairsFallIntoTheirFamilies)
{
    using enum RequiredDisplayId;
    const struct {
        RequiredDisplayId displayId;
        CauseId cause;
        int expected;
    } cases[] = {
        {STOP, CauseId::BT_LOSS, 8},           {HALT, CauseId::BT_LOSS, 7},
        {DEF, CauseId::BT_LOSS, 15},           {STOP, CauseId::DEF, 15},
        {HALT, CauseId::DEF, 15},              {STOP, CauseId::WRONG_WAY, 15},
        {HALT, CauseId::WRONG_WAY, 7},         {START_PARK_IN, CauseId::LOW_BATTERY, 10},
        {SENSING, CauseId::LOW_BATTERY, 15},   {HALT, CauseId::CAN_LOSS, 15},
        {HALT, CauseId::LOW_BATTERY, 15},      {STOP, CauseId::LOW_BATTERY, 9},
        {STOP, tolvane::app::EPS_UNLEARNED, 9}, {STOP, CauseId::DEAD_LOCK, 15},
        {DEF, CauseId::ABNORMAL_CONNECT_BATTERY, 10}, {DEF, CauseId::ABNORMAL_BUTTERY_STATUS, 15},
        {VALID_VEHICLE, CauseId::DEF, 13},     {VALID_VEHICLE_BLINKER, CauseId::DEF, 14},
        {SEL_FORWARD_BACKWARD, CauseId::DEF, 1}, {REACH_POINT, CauseId::DEF, 3},
        {COMPLETE_PARK_OUT, CauseId::DEF, 4},  {COMPLETE_PARK_IN, CauseId::DEF, 5},
        {COMPLETE_PARK_IN_FORGET_HAZARD, CauseId::DEF, 6}, {RESUME, CauseId::DEF, 11},
    };
    for (const auto& c : cases)
        EXPECT_EQ(category(c.displayId, c.cause), c.expected)
            << static_cast<int>(c.displayId) << "/" << static_cast<int>(c.cause);
}

TEST(ViewCategoryManagerTest, OnlyTheScreensWithCausesLookAtTheCause)
{
    const std::set<RequiredDisplayId> causeDependent{RequiredDisplayId::HALT, RequiredDisplayId::STOP,
                                                     RequiredDisplayId::DEF, RequiredDisplayId::START_PARK_IN,
                                                     RequiredDisplayId::START_PARK_OUT};
    for (RequiredDisplayId displayId : foundation::allCases<RequiredDisplayId>()) {
        std::set<int> seen;
        for (CauseId cause : foundation::allCases<CauseId>()) {
            const int value = category(displayId, cause);
            EXPECT_TRUE(value >= 1 && value <= 15 && value != 12);
            seen.insert(value);
        }
        EXPECT_EQ(seen.size() > 1, causeDependent.contains(displayId)) << static_cast<int>(displayId);
    }
}

} // namespace
