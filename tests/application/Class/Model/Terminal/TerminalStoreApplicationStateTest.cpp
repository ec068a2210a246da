#include "LinkTestBench.h"

#include "accessory/AccessoryManager.h"
#include "ui/Application.h"

namespace {

using link_testing::LinkTest;

// The store the program makes for itself, with no environment handed in: it stands on the
// process's accessory backend (here the fixture's folder) and on the running application's state.
class TerminalStoreApplicationStateTest : public LinkTest {
protected:
    TerminalStoreApplicationStateTest()
    {
        ui::Application::shared().reset();
        ui::Application::shared().becomeActive();
        accessory::AccessoryManager::setShared(manager);
        tolvane::app::TerminalStore::destroyShared();
        tolvane::app::TerminalStore::setSharedEnvironment(std::nullopt);
        store = tolvane::app::TerminalStore::shared();
        store->registerObservers();
        store->setDelegate(delegate);
        time.runUntilIdle();
    }
    ~TerminalStoreApplicationStateTest() override
    {
        tolvane::app::TerminalStore::destroyShared();
        time.advance(3.0);
        accessory::AccessoryManager::setShared(nullptr);
        ui::Application::shared().reset();
    }
};

TEST_F(TerminalStoreApplicationStateTest, LinkDroppedInTheBackgroundIsNotReopenedUntilTheApplicationIsActive)
{
    connect();
    ui::Application::shared().enterBackground();
    replaceUnit(); // the link drops and the unit comes back while the window is hidden
    time.advance(3.0);

    EXPECT_TRUE(logs.contains("####Skipped(not active) EAAccessoryDidConnect. Extracted accessories from "
                              "EAAccessoryDidConnect notification object."));
    EXPECT_FALSE(store->isConnected());
    EXPECT_EQ(unit->accepted(), 0);

    store->reopen();
    time.advance(0.1);
    EXPECT_TRUE(logs.contains("##########There is a possibility of a ghost event."));
    EXPECT_FALSE(store->isConnected());
    EXPECT_EQ(unit->accepted(), 0);

    ui::Application::shared().becomeActive();
    time.advance(1.0); // the reopen's next try
    EXPECT_TRUE(store->isConnected());
    EXPECT_EQ(unit->accepted(), 1);
}

} // namespace
