#include "Internal/Model/DisplayData.h"
#include "support/Recorder.h"

#include <gtest/gtest.h>

namespace {

using namespace tolvane;
using testing_support::Recorder;
using R = RequiredDisplayId;

TEST(DisplayDataTest, StartsOnDefWithBothFlagsClear)
{
    DisplayData store;
    Recorder<R> ids(store.reqDisplayId());
    EXPECT_EQ(store.currentDispId(), R::DEF);
    EXPECT_FALSE(store.isDisplayOutsideSdkControl().value());
    EXPECT_FALSE(store.isDisplayPopup().value());
    EXPECT_TRUE(ids.values.empty());
}

TEST(DisplayDataTest, PublishesEachNewIdOnce)
{
    DisplayData store;
    Recorder<R> ids(store.reqDisplayId());
    store.updateDisplayId(R::OPERATE);
    store.updateDisplayId(R::OPERATE);
    store.updateDisplayId(R::HALT);
    EXPECT_EQ(ids.values, (std::vector{R::OPERATE, R::HALT}));
    EXPECT_EQ(store.currentDispId(), R::HALT);
}

TEST(DisplayDataTest, AResetSendsDefAndClearsTheFlags)
{
    DisplayData store;
    Recorder<R> fresh(store.reqDisplayId());
    store.updateDisplayId(R::DEF);
    store.updateDisplayId(R::OPERATE);
    store.isDisplayOutsideSdkControl().send(true);
    store.isDisplayPopup().send(true);
    Recorder<R> late(store.reqDisplayId());
    store.initParam();
    EXPECT_EQ(fresh.values, (std::vector{R::DEF, R::OPERATE, R::DEF}));
    EXPECT_EQ(late.values, std::vector{R::DEF});
    EXPECT_FALSE(store.isDisplayOutsideSdkControl().value());
    EXPECT_FALSE(store.isDisplayPopup().value());

    Recorder<R> afterReset(store.reqDisplayId());
    store.initParam();
    EXPECT_EQ(afterReset.values, std::vector{R::DEF}) << "nothing received yet, so DEF is new to it";
    EXPECT_EQ(late.values, std::vector{R::DEF});
}

} // namespace
