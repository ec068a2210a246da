#include "application/support/ScopedLogCapture.h"

#include "Class/Model/Terminal/DataReceiveCenter.h"
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

#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

using tolvane::app::DataReceiveCenter;
using tolvane::app::DataTransmissionCenter;

int currentThreadNiceness()
{
    return getpriority(PRIO_PROCESS, static_cast<id_t>(syscall(SYS_gettid)));
}

// Runs on the centre's thread and hands back that thread's niceness.
template <class Center>
int nicenessOfThreadOf(Center& center)
{
    std::promise<int> niceness;
    center.enqueueSingleTask([&] { niceness.set_value(currentThreadNiceness()); });
    auto read = niceness.get_future();
    if (read.wait_for(std::chrono::seconds(20)) != std::future_status::ready)
        return -100;
    return read.get();
}

// The receive thread runs below the send thread: the send thread keeps the niceness of the thread
// that starts it, the receive thread one step nicer.
TEST(CentreThreadingTest, TheReceiveThreadRunsOneStepBelowTheSendThreadAndBothAnnounceTheirStart)
{
    ui::GuiRuntime::ensure();
    testing_support::ScopedLogCapture logs;
    foundation::VirtualTime mainTime;
    foundation::SystemClock clock;
    const int starting = currentThreadNiceness();
    DataTransmissionCenter::shared()->startThread(clock);
    DataReceiveCenter::shared()->startThread(clock);

    EXPECT_EQ(nicenessOfThreadOf(*DataTransmissionCenter::shared()), starting);
    EXPECT_EQ(nicenessOfThreadOf(*DataReceiveCenter::shared()), starting + 1);
    EXPECT_TRUE(logs.contains("送信スレッド立ち上げ"));
    EXPECT_TRUE(logs.contains("受信スレッド立ち上げ"));

    std::weak_ptr<DataTransmissionCenter> send = DataTransmissionCenter::shared();
    std::weak_ptr<DataReceiveCenter> receive = DataReceiveCenter::shared();
    DataTransmissionCenter::destroy();
    DataReceiveCenter::destroy();
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (!(send.expired() && receive.expired()) && std::chrono::steady_clock::now() < deadline)
        std::this_thread::yield();
    ASSERT_TRUE(send.expired() && receive.expired()) << "a destroyed centre's thread never let it go";
    mainTime.runUntilIdle();
}

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
