#include "accessory/AccessoryManager.h"
#include "bluetooth/BluetoothPower.h"
#include "foundation/VirtualTime.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

TEST(AccessoryManagerTest, ProcessManagerIsTheLocalSocketBackendAndItsPowerIsTheProcesss)
{
    foundation::VirtualTime time;
    QTemporaryDir folder;
    setenv("TOLVANE_ACCESSORY_DIR", folder.path().toUtf8().constData(), 1);
    accessory::AccessoryManager::setShared(nullptr);
    const auto manager = accessory::AccessoryManager::shared();
    EXPECT_EQ(accessory::AccessoryManager::shared(), manager);
    EXPECT_EQ(bt::bluetoothPower(), manager->bluetoothPower());
    EXPECT_EQ(manager->bluetoothPower()->state(), bt::PowerState::poweredOn);
    accessory::AccessoryManager::setShared(nullptr);
    bt::setBluetoothPower(nullptr);
    unsetenv("TOLVANE_ACCESSORY_DIR");
}

} // namespace
