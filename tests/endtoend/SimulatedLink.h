#pragma once

#include "application/Class/Model/Terminal/RecordingLinkDelegate.h"

#include "application/support/ScopedLogCapture.h"
#include "application/support/SharedLink.h"
#include "application/support/ScopedUserDefaults.h"

#include "Class/Model/CarRecordStore.h"
#include "Class/Model/Terminal/TerminalStore.h"
#include "support/RecordingAudioSystem.h"
#include "support/RecordingHapticsSystem.h"
#include "vehicle-sim/VehicleUnit.h"

#include "accessory/LocalSocketAccessoryManager.h"
#include "bluetooth/BluetoothPower.h"
#include "di/Container.h"
#include "foundation/VirtualTime.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace endtoend {

// The phone's link and the simulated unit in one process, on virtual time. A test registers the
// codec the link is to use in the container and then calls openLink().
class SimulatedLink : public ::testing::Test {
protected:
    // `distance`: how far the unit's car goes while held, one step a tick.
    explicit SimulatedLink(int distance = vehiclesim::Manoeuvre::START_DISTANCE)
        : sendLoop(time.makeLoop("send")), receiveLoop(time.makeLoop("receive")), vehicleLoop(time.makeLoop("vehicle"))
    {
        di::Container::defaultContainer().removeAll();
        vehiclesim::VehicleUnit::Options options;
        options.directory = directory();
        options.distance = distance;
        // The car keeps the link after parking in: the park-in tests look at the link after the car
        // has parked.
        options.sessionEndAfterParkIn = std::nullopt;
        unit = std::make_unique<vehiclesim::VehicleUnit>(*vehicleLoop, options);
        manager = std::make_shared<accessory::LocalSocketAccessoryManager>(directory(), "com.tolvane.control.protocol1");
        // The phone's Bluetooth is that of the backend the unit writes to.
        previousPower = bt::setBluetoothPower(manager->bluetoothPower());
    }
    ~SimulatedLink() override
    {
        tolvane::app::CarRecordStore::shared().selectedCarRecord.reset();
        testing_support::closeSharedLink(time);
        unit.reset();
        time.advance(0.1);
        store.reset();
        di::Container::defaultContainer().removeAll();
        bt::setBluetoothPower(previousPower);
    }

    // The send and receive centres and the terminal store, over the codec registered now.
    void openLink()
    {
        store = testing_support::openSharedLink(
            *sendLoop, *receiveLoop, tolvane::app::TerminalStore::Environment{.manager = manager, .bluetoothPower = manager->bluetoothPower()});
        store->setDelegate(delegate);
        time.runUntilIdle();
    }

    std::string directory() const { return folder.path().toStdString(); }
    // The run's car is the simulated unit's, as the road to the link chooses it before opening.
    void connect()
    {
        tolvane::app::CarRecordStore::shared().selectedCarRecord =
            tolvane::app::CarRecord{.CarID = "VIN0001", .CarImagePath = "", .CarName = "Simulated car", .CreateDate = "", .UpdateDate = ""};
        store->open("VIN0001", tolvane::app::TerminalStore::ConnectionOpenPattern::first, 0);
        time.advance(0.05);
        ASSERT_TRUE(store->isConnected());
        ASSERT_TRUE(unit->isConnected());
    }

    testing_support::ScopedLogCapture logs;
    // Whatever plays a sound or a vibration plays it here, never on the machine.
    testing_support::ScopedRecordingAudioSystem audio;
    testing_support::ScopedRecordingHapticsSystem haptics;
    foundation::VirtualTime time;
    testing_support::ScopedUserDefaults defaults;
    QTemporaryDir folder;
    std::shared_ptr<foundation::RunLoop> sendLoop;
    std::shared_ptr<foundation::RunLoop> receiveLoop;
    std::shared_ptr<foundation::RunLoop> vehicleLoop;
    std::unique_ptr<vehiclesim::VehicleUnit> unit;
    std::shared_ptr<accessory::LocalSocketAccessoryManager> manager;
    std::shared_ptr<bt::IBluetoothPower> previousPower;
    std::shared_ptr<link_testing::RecordingLinkDelegate> delegate =
        std::make_shared<link_testing::RecordingLinkDelegate>();
    std::shared_ptr<tolvane::app::TerminalStore> store;
};

} // namespace endtoend
