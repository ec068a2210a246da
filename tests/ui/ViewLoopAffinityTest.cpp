#include "ui/View.h"

#include "foundation/LoopChecker.h"
#include "foundation/VirtualTime.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class CardView final : public ui::View {};

TEST(ViewLoopAffinityTest, AViewChangedFromAWorkerLoopStopsAtOnceNamingItsClass)
{
    if (!foundation::LoopChecker::isEnabled())
        GTEST_SKIP() << "this build does not check loops";
    foundation::VirtualTime time;
    auto view = std::make_shared<CardView>();
    view->setFrame({0, 0, 10, 10});
    auto receiveLoop = time.makeLoop("receive");
    receiveLoop->post([view] { view->setHidden(true); });
    EXPECT_DEATH(time.runUntilIdle(), "CardView was called on the loop \"receive\".*file View\\.cpp, line [0-9]+");
}

} // namespace
