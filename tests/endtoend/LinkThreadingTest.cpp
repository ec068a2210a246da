#include "PhoneCodec.h"

#include "application/support/ScopedUserDefaults.h"

#include "Class/Model/Terminal/DataReceiveCenter.h"
#include "Class/Model/Terminal/DataTransmissionCenter.h"
#include "Class/Model/Terminal/TerminalProtocol.h"
#include "Class/Model/Terminal/TerminalStore.h"
#include "vehicle-sim/VehicleUnit.h"

#include "accessory/LocalSocketAccessoryManager.h"
#include "di/Container.h"
#include "foundation/Clock.h"
#include "foundation/QtRunLoop.h"
#include "foundation/WorkerThread.h"
#include "ui/GuiRuntime.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <future>
#include <set>
#include <string>
#include <vector>

#include <csignal>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using endtoend::PhoneCodec;

class RecordingLinkDelegate final : public tolvane::app::TerminalProtocol {
public:
    void terminalOpenWillStart() override {}
    void terminalOpenDidSucceed() override {}
    void terminalOpenDidFail() override {}
    void terminalErrorOccurred(const std::string&) override {}
    void terminalSessionDidEnd() override { ++sessionEnds; }
    void terminalCloseDidTimeOut() override {}
    int sessionEnds = 0;
};

// The production wiring: the main loop on Qt's event loop of the test thread, the send and receive
// centres on their own named threads, real time throughout. Waits are bounded by a deadline, and
// nothing here depends on how fast the machine is beyond that.
class LinkThreadingTest : public ::testing::Test {
protected:
    static constexpr auto kDeadline = std::chrono::seconds(20);

    LinkThreadingTest()
    {
        // The process's one application object: one made and destroyed here would close the Qt
        // state that the process-wide stores keep, the history database among them, under the
        // tests that come after.
        ui::GuiRuntime::ensure();
        mainLoop = std::make_shared<foundation::QtRunLoop>("main", clock, QThread::currentThread());
        foundation::RunLoop::setMain(mainLoop.get());
        di::Container::defaultContainer().registerService<tolvane::IDataCodingModel>([this](di::Resolver&) {
            return coding;
        });
        tolvane::app::DataTransmissionCenter::shared()->startThread(clock);
        tolvane::app::DataReceiveCenter::shared()->startThread(clock);
        manager = std::make_shared<accessory::LocalSocketAccessoryManager>(folder.path().toStdString(),
                                                                           "com.tolvane.control.protocol1");
        tolvane::app::TerminalStore::setSharedEnvironment(
            tolvane::app::TerminalStore::Environment{.manager = manager, .bluetoothPower = manager->bluetoothPower()});
        store = tolvane::app::TerminalStore::shared();
        store->setDelegate(delegate);
        store->registerObservers();
    }

    ~LinkThreadingTest() override
    {
        tolvane::app::TerminalStore::destroyShared();
        tolvane::app::TerminalStore::setSharedEnvironment(std::nullopt);
        store.reset();
        std::weak_ptr<tolvane::app::TaskCenter> sendCentre = tolvane::app::DataTransmissionCenter::shared();
        std::weak_ptr<tolvane::app::TaskCenter> receiveCentre = tolvane::app::DataReceiveCenter::shared();
        tolvane::app::DataTransmissionCenter::destroy();
        tolvane::app::DataReceiveCenter::destroy();
        // Each centre ends on its own thread and hands the thread to the main loop to be let go.
        EXPECT_TRUE(runUntil([&] { return sendCentre.expired() && receiveCentre.expired(); }));
        QCoreApplication::processEvents();
        di::Container::defaultContainer().removeAll();
        foundation::RunLoop::setMain(nullptr);
    }

    // Runs the main loop until `condition` holds; false when the deadline passed first.
    template <class Condition>
    bool runUntil(Condition condition, std::chrono::milliseconds deadline = kDeadline)
    {
        const auto end = std::chrono::steady_clock::now() + deadline;
        while (!condition()) {
            if (std::chrono::steady_clock::now() > end)
                return false;
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
        }
        return true;
    }

    void openWhenListed()
    {
        ASSERT_TRUE(runUntil([&] { return !manager->connectedAccessories().empty(); }));
        // The unit's arrival is announced on the main loop and the store answers it by reopening its
        // target; opened before that answer, the link would be opened a second time under the first.
        ASSERT_TRUE(runUntil([&] { return !mainLoop->hasPendingTasks(); }));
        store->open("VIN0001", tolvane::app::TerminalStore::ConnectionOpenPattern::first, 0);
        ASSERT_TRUE(runUntil([&] { return store->isConnected(); }));
    }

    foundation::SystemClock clock;
    std::shared_ptr<foundation::QtRunLoop> mainLoop;
    testing_support::ScopedUserDefaults defaults;
    QTemporaryDir folder;
    std::shared_ptr<PhoneCodec> coding = std::make_shared<PhoneCodec>();
    std::shared_ptr<accessory::LocalSocketAccessoryManager> manager;
    std::shared_ptr<RecordingLinkDelegate> delegate = std::make_shared<RecordingLinkDelegate>();
    std::shared_ptr<tolvane::app::TerminalStore> store;
};

// The simulated unit as a program of its own, ended by the test or with it. It is started by
// posix_spawn rather than QProcess: QProcess's child shares the parent's memory until it runs the
// program and calls intercepted functions meanwhile, which leaves ThreadSanitizer with a false view
// of the test's main thread and reports races on descriptors the test hands to other threads.
class SimulatorProcess {
public:
    explicit SimulatorProcess(std::vector<std::string> arguments)
    {
        std::vector<char*> argv;
        for (auto& argument : arguments)
            argv.push_back(argument.data());
        argv.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        ::posix_spawn_file_actions_init(&actions);
        ::posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
        ::posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
        if (::posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), environ) != 0)
            pid_ = -1;
        ::posix_spawn_file_actions_destroy(&actions);
    }
    ~SimulatorProcess() { kill(); }
    SimulatorProcess(const SimulatorProcess&) = delete;
    SimulatorProcess& operator=(const SimulatorProcess&) = delete;

    bool started() const { return pid_ > 0; }
    void kill()
    {
        if (pid_ <= 0)
            return;
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
        pid_ = -1;
    }

private:
    pid_t pid_ = -1;
};

// The simulated unit on a thread of its own, as another device would run. It is made and destroyed
// on that thread, also when a failed assertion leaves the test early: destroyed from the test's
// thread it would be freed under a tick of its own thread.
class UnitOnItsThread {
public:
    UnitOnItsThread(std::string directory, const foundation::Clock& clock) : thread_("vehicle", 0.5, clock)
    {
        thread_.start();
        runOnThread([&] {
            vehiclesim::VehicleUnit::Options options;
            options.directory = std::move(directory);
            unit_ = std::make_unique<vehiclesim::VehicleUnit>(thread_.loop(), options);
        });
    }
    ~UnitOnItsThread()
    {
        runOnThread([&] { unit_.reset(); });
        thread_.stop();
    }
    UnitOnItsThread(const UnitOnItsThread&) = delete;
    UnitOnItsThread& operator=(const UnitOnItsThread&) = delete;

    vehiclesim::VehicleUnit* operator->() const { return unit_.get(); }

private:
    template <class Work>
    void runOnThread(Work work)
    {
        std::promise<void> done;
        thread_.loop().post([&] {
            work();
            done.set_value();
        });
        done.get_future().wait();
    }

    foundation::WorkerThread thread_;
    std::unique_ptr<vehiclesim::VehicleUnit> unit_;
};

TEST_F(LinkThreadingTest, FramesGoOutEveryCycleAndReceivedChunksReachTheCodec)
{
    UnitOnItsThread unit(folder.path().toStdString(), clock);
    openWhenListed();
    ASSERT_TRUE(runUntil([&] { return unit->received().size() >= 40 && coding->records() >= 10; }));

    // A frame due while the unit still has unread ones is replaced by the next, so on a busy machine
    // some never go out: the unit gets the sent frames in their order, each whole and once.
    const auto received = unit->received();
    const auto sent = coding->sent();
    auto next = sent.begin();
    for (size_t i = 0; i < received.size(); ++i) {
        next = std::find(next, sent.end(), received[i].frame);
        ASSERT_NE(next, sent.end()) << "received frame " << i << " was not sent after the one before it";
        ++next;
    }
    // The period itself is measured by the send-cycle benchmark, not here.
    EXPECT_GT(coding->chunks(), 0);
    EXPECT_EQ(coding->threads(),
              (std::set<std::string>{"encode on " + tolvane::app::DataTransmissionCenter::shared()->threadName(),
                                     "decode on " + tolvane::app::DataReceiveCenter::shared()->threadName()}));
}

TEST_F(LinkThreadingTest, QuickReopenAfterAShutdownCarriesFrames)
{
    UnitOnItsThread unit(folder.path().toStdString(), clock);
    openWhenListed();
    for (const int reopenAfterMs : {0, 50, 150}) {
        SCOPED_TRACE("reopened " + std::to_string(reopenAfterMs) + " ms after the shutdown");
        int completed = 0;
        store->shutdownTerminal([&] { ++completed; });
        runUntil([] { return false; }, std::chrono::milliseconds(reopenAfterMs));
        store->open("VIN0001", tolvane::app::TerminalStore::ConnectionOpenPattern::first, 0);
        // Once the wait for the old link's streams is over, the new link is still up and sending.
        ASSERT_TRUE(runUntil([&] { return completed == 1; }));
        ASSERT_TRUE(store->isConnected());
        const size_t before = unit->received().size();
        EXPECT_TRUE(runUntil([&] { return unit->received().size() >= before + 5; }));
    }
}

TEST_F(LinkThreadingTest, KilledSimulatorTakesTheDeparturePath)
{
    SimulatorProcess simulator({VEHICLE_SIM, "--dir", folder.path().toStdString(), "--quiet"});
    ASSERT_TRUE(simulator.started());
    openWhenListed();
    ASSERT_TRUE(runUntil([&] { return coding->records() > 0; }));

    simulator.kill();
    ASSERT_TRUE(runUntil([&] { return !store->isConnected() && delegate->sessionEnds > 0; }));
    EXPECT_TRUE(manager->connectedAccessories().empty());
    EXPECT_EQ(store->targetTerminalUdid(), "VIN0001"); // kept for a unit that comes back
}

} // namespace
