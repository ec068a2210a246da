#pragma once

#include "bluetooth/IBluetoothPower.h"
#include "rx/Subject.h"

#include <atomic>

class QObject;
class QBluetoothLocalDevice;

namespace bt {

// The power of this machine's Bluetooth adapter, for a real vehicle unit over RFCOMM. Made on the
// main thread, which must run the Qt event loop.
class AdapterBluetoothPower final : public IBluetoothPower {
public:
    AdapterBluetoothPower();
    ~AdapterBluetoothPower() override;

    PowerState state() const override;
    rx::Publisher<PowerState> stateChanges() const override;
    // Allowed when the adapter's service answers, not determined otherwise.
    Authorization authorization() const override;

    // No adapter is unsupported; an adapter switched off is poweredOff; any other mode is poweredOn.
    static PowerState stateFor(bool adapterFound, bool adapterPoweredOff);

private:
    QObject* context_;
    QBluetoothLocalDevice* device_;
    std::atomic<PowerState> state_;
    const bool adapterFound_;
    rx::PassthroughSubject<PowerState> changes_;
};

} // namespace bt
