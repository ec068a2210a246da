#include "Class/Model/Terminal/DataTransmissionCenter.h"

#include "foundation/Clock.h"
#include "foundation/ThreadName.h"
#include "foundation/VirtualTime.h"
#include "ui/GuiRuntime.h"

#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <mutex>
#include <string>
#include <thread>

namespace {

using tolvane::app::DataTransmissionCenter;

TEST(CentreThreadingTest, CentreRunsItsTasksOnANamedThreadUntilDestroyed)
{
    // The process-wide application object: a second one made here would orphan the one the
    // rendering tests made, and later threads would never start.
    ui::GuiRuntime::ensure();
    foundation::VirtualTime mainTime; // the main loop that lets the stopped thread go
    foundation::SystemClock clock;
    auto center = DataTransmissionCenter::shared();
    center->startThread(clock);

    // Generous bounds: a centre that never runs must fail the test, not hang it.
    constexpr auto bound = std::chrono::seconds(20);
    std::promise<std::string> name;
    center->enqueueSingleTask([&] { name.set_value(foundation::currentThreadName()); });
    auto nameRead = name.get_future();
    ASSERT_EQ(nameRead.wait_for(bound), std::future_status::ready);
    EXPECT_EQ(nameRead.get(), center->threadName());
    EXPECT_TRUE(center->threadName().ends_with("data_transmission"));

    std::promise<void> periodicRan;
    auto once = std::make_shared<std::once_flag>();
    center->setPeriodicTask([&, once] { std::call_once(*once, [&] { periodicRan.set_value(); }); });
    ASSERT_EQ(periodicRan.get_future().wait_for(bound), std::future_status::ready);

    std::weak_ptr<DataTransmissionCenter> weak = center;
    center.reset();
    DataTransmissionCenter::destroy();
    const auto deadline = std::chrono::steady_clock::now() + bound;
    while (!weak.expired() && std::chrono::steady_clock::now() < deadline)
        std::this_thread::yield();
    ASSERT_TRUE(weak.expired()) << "the destroyed centre's thread never let it go";
    mainTime.runUntilIdle(); // joins the ended thread
}

} // namespace
