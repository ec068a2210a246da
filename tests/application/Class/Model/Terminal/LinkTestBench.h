#pragma once

#include "RecordingLinkDelegate.h"
#include "support/ListeningUnitSocket.h"
#include "application/support/ScopedLogCapture.h"
#include "application/support/ScopedUserDefaults.h"
#include "application/support/SharedLink.h"

#include "Class/Model/Terminal/TerminalStore.h"

#include "Internal/Model/IBluetoothSocketModel.h"
#include "Internal/Model/IDataCodingModel.h"
#include "Internal/Model/ISdkModel.h"
#include "Internal/Model/SdkStateData.h"
#include "accessory/LocalSocketAccessoryManager.h"
#include "bluetooth/SettableBluetoothPower.h"
#include "di/Container.h"
#include "foundation/RunLoop.h"
#include "foundation/VirtualTime.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace link_testing {

// The framework's codec as the link sees it: numbered frames out, chunks recorded with their thread.
class FakeDataCodingModel final : public tolvane::IDataCodingModel {
public:
    foundation::Bytes encode() override
    {
        std::lock_guard lock(mutex);
        const auto n = static_cast<uint8_t>(++encoded);
        return {0xC0, 0x00, 0x01, 0x08, n, 0, 0, 0, 0, 0, 0, 0, n, 0xC0};
    }
    void decode(const foundation::Bytes& data) override
    {
        std::lock_guard lock(mutex);
        auto* loop = foundation::RunLoop::current();
        chunks.push_back(data);
        chunkLoops.push_back(loop ? loop->name() : "none");
    }
    static foundation::Bytes frame(uint8_t n) { return {0xC0, 0x00, 0x01, 0x08, n, 0, 0, 0, 0, 0, 0, 0, n, 0xC0}; }

    std::mutex mutex;
    int encoded = 0;
    std::vector<foundation::Bytes> chunks;
    std::vector<std::string> chunkLoops;
};

class FakeBluetoothSocketModel final : public tolvane::IBluetoothSocketModel {
public:
    void notifyConnectedBluetoothConnection() override { calls.push_back("connected"); }
    void notifyDisconnectedBluetoothConnection() override { calls.push_back("disconnected"); }
    std::vector<std::string> calls;
};

class FakeSdkModel final : public tolvane::ISdkModel {
public:
    void notifyReboot() override {}
    void requestFinishSdk() override { ++finishRequests; }
    void notifyMoveToBackground() override {}
    void notifyMoveToForeground() override {}
    int finishRequests = 0;
};

// The store with its two worker loops, the local-socket backend over a temporary folder and fakes
// of the framework's services, all on virtual time pumped from the test.
class LinkTest : public ::testing::Test {
protected:
    static constexpr const char* kUnit = "VIN0001";

    LinkTest()
        : sendLoop(time.makeLoop("send")),
          receiveLoop(time.makeLoop("receive")),
          manager(std::make_shared<accessory::LocalSocketAccessoryManager>(folder.path().toStdString(),
                                                                           "com.tolvane.control.protocol1"))
    {
        auto& container = di::Container::defaultContainer();
        container.registerService<tolvane::IDataCodingModel>([this](di::Resolver&) { return coding; })
            .inObjectScope(di::ObjectScope::container);
        container.registerService<tolvane::IBluetoothSocketModel>([this](di::Resolver&) { return link; })
            .inObjectScope(di::ObjectScope::container);
        container.registerService<tolvane::ISdkModel>([this](di::Resolver&) { return sdk; })
            .inObjectScope(di::ObjectScope::container);
        container.registerService<tolvane::ISdkStateData>([this](di::Resolver&) { return sdkState; })
            .inObjectScope(di::ObjectScope::container);
        store = testing_support::openSharedLink(*sendLoop, *receiveLoop,
                                                tolvane::app::TerminalStore::Environment{
                                                    .manager = manager, .bluetoothPower = power, .applicationState = [this] { return applicationState; }});
        store->setDelegate(delegate);
        unit->readOn(*unitLoop);
        time.runUntilIdle();
    }

    ~LinkTest() override
    {
        testing_support::closeSharedLink(time);
        time.advance(0.1);
        store.reset();
        di::Container::defaultContainer().removeAll();
    }

    std::string folderPath() const { return folder.path().toStdString(); }
    // The unit goes away and comes back as a new socket.
    void replaceUnit()
    {
        unit.reset();
        unit.emplace(folderPath(), kUnit);
        unit->readOn(*unitLoop);
    }

    // Opens the link to a listening unit and lets both streams open.
    void connect(int64_t retryCount = 0)
    {
        store->open(kUnit, tolvane::app::TerminalStore::ConnectionOpenPattern::first, retryCount);
        time.advance(0.02);
        ASSERT_TRUE(unit->accept());
        ASSERT_TRUE(store->isConnected());
        delegate->calls.clear();
    }

    // A store an earlier test left behind would not know this test's environment; it goes before
    // this test's logs start.
    struct NoStaleSharedStore {
        NoStaleSharedStore() { tolvane::app::TerminalStore::destroyShared(); }
    } noStaleSharedStore;
    testing_support::ScopedLogCapture logs; // its own clock must not be the main loop's
    foundation::VirtualTime time;
    testing_support::ScopedUserDefaults defaults;
    QTemporaryDir folder;
    std::shared_ptr<foundation::RunLoop> sendLoop;
    std::shared_ptr<foundation::RunLoop> receiveLoop;
    std::shared_ptr<foundation::RunLoop> unitLoop = time.makeLoop("unit");
    std::optional<testing_support::ListeningUnitSocket> unit{std::in_place, folder.path().toStdString(), kUnit};
    std::shared_ptr<accessory::LocalSocketAccessoryManager> manager;
    std::shared_ptr<bt::SettableBluetoothPower> power = std::make_shared<bt::SettableBluetoothPower>(bt::PowerState::poweredOn);
    int applicationState = 0;
    std::shared_ptr<FakeDataCodingModel> coding = std::make_shared<FakeDataCodingModel>();
    std::shared_ptr<FakeBluetoothSocketModel> link = std::make_shared<FakeBluetoothSocketModel>();
    std::shared_ptr<FakeSdkModel> sdk = std::make_shared<FakeSdkModel>();
    std::shared_ptr<tolvane::SdkStateData> sdkState = std::make_shared<tolvane::SdkStateData>();
    std::shared_ptr<RecordingLinkDelegate> delegate = std::make_shared<RecordingLinkDelegate>();
    std::shared_ptr<tolvane::app::TerminalStore> store;
};

} // namespace link_testing
