#include "Internal/Model/BluetoothSocketModel.h"
#include "Internal/Model/ConnectionData.h"
#include "Internal/Model/DataCodingModel.h"
#include "Internal/Model/IDataArbitrator.h"
#include "Internal/Model/IDataCoder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace tolvane;
using Calls = std::vector<std::string>;

class RecordingArbitrator final : public IDataArbitrator {
public:
    void startObserver() override { calls.push_back("startObserver"); }
    void closeObserver() override { calls.push_back("closeObserver"); }
    Calls calls;
};

class RecordingCoder final : public IDataCoder {
public:
    foundation::Bytes encode() override { return next; }
    void decode(const foundation::Bytes& data) override { decoded.push_back(data); }
    foundation::Bytes next;
    std::vector<foundation::Bytes> decoded;
};

TEST(BluetoothSocketModelTest, TheLinkStartsAndEndsTheArbitrationAndSetsItsFlag)
{
    auto arbitrator = std::make_shared<RecordingArbitrator>();
    auto connection = std::make_shared<ConnectionData>();
    BluetoothSocketModel model(arbitrator, nullptr, connection, nullptr);

    // Without a connection before, closing still closes.
    model.notifyDisconnectedBluetoothConnection();
    EXPECT_EQ(arbitrator->calls, Calls{"closeObserver"});
    EXPECT_FALSE(connection->bluetoothSocketIsConnected());

    // No link state of its own: each report is passed on.
    model.notifyConnectedBluetoothConnection();
    model.notifyConnectedBluetoothConnection();
    EXPECT_EQ(arbitrator->calls, (Calls{"closeObserver", "startObserver", "startObserver"}));
    EXPECT_TRUE(connection->bluetoothSocketIsConnected());

    model.notifyDisconnectedBluetoothConnection();
    EXPECT_FALSE(connection->bluetoothSocketIsConnected());
}

TEST(DataCodingModelTest, BothDirectionsPassThroughUnchanged)
{
    auto coder = std::make_shared<RecordingCoder>();
    DataCodingModel model(coder);
    coder->next = {0xC0, 0x00, 0x01, 0xC0};
    EXPECT_EQ(model.encode(), coder->next);
    model.decode({});
    model.decode({0xC0, 0x00});
    EXPECT_EQ(coder->decoded, (std::vector<foundation::Bytes>{{}, {0xC0, 0x00}}));
}

} // namespace
