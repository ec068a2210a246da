#include "R.h"

#include "di/Container.h"

#include <gtest/gtest.h>

namespace {

namespace R = tolvane::app::R;

TEST(ResourceAccessorsTest, TextsComeFromTheCompiledInTablesWithTheDevelopmentFallback)
{
    EXPECT_EQ(R::string::localizable::ConnectingForRegistration_ConnectingConfirm_255_1st({"en"}), "Please contact your dealer");
    EXPECT_EQ(R::string::localizable::ConnectingForRegistration_ConnectingConfirm_255_1st({"xx"}), "Please contact your dealer");
}

TEST(ResourceAccessorsTest, StoryboardReferencesNameTheirStoryboards)
{
    EXPECT_STREQ(R::storyboard::connectingForRegistration.name, "ConnectingForRegistration");
    EXPECT_STREQ(R::storyboard::igonWarn.name, "IGONWarn");
    // Tests of the screens register their builders in the process-wide registry; this one has none.
    ui::StoryboardRegistry::shared().remove(R::storyboard::blank.name);
    EXPECT_EQ(R::storyboard::blank.instantiateInitialViewController(), nullptr) << "no builder registered";
}

} // namespace
