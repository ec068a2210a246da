#pragma once

#include "vehicle-sim/Fault.h"
#include "vehicle-sim/Interruption.h"
#include "vehicle-sim/Manoeuvre.h"
#include "vehicle-sim/OperationMessageReader.h"

#include "bluetooth/PowerState.h"
#include "foundation/Bytes.h"
#include "foundation/Clock.h"
#include "foundation/FdWatch.h"
#include "foundation/Timer.h"

#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <vector>

namespace foundation {
class RunLoop;
}

namespace vehiclesim {

// The vehicle's unit as an accessory of the local-socket backend: it listens on
// "<serial number>.sock" in the accessory folder, reads the phone's operation messages and answers
// every tenth of a second with the messages of a car running its manoeuvre. While the phone asks to
// confirm a registration, the car answers with the confirmation instead and its manoeuvre waits.
// Faults come on demand.
// Everything runs on the run loop it was made on; what it saw may be read from any thread.
class VehicleUnit {
public:
    struct Options {
        std::string directory;
        std::string serialNumber = "VIN0001";
        std::string name = "Tolvane Vehicle Unit";
        std::string protocolString = "com.tolvane.control.protocol1";
        ScenarioKind scenario = ScenarioKind::parkIn;
        // How far the car goes while held, one step a tick.
        int distance = Manoeuvre::START_DISTANCE;
        // The answer to the phone's registration confirmation: the blinker variant instead of the plain one.
        bool blinkerRegistration = false;
        // How long the car senses after the phone asks it to start, before it offers its plan.
        foundation::Seconds sensing = 0;
        // A car that has parked in or that the user turned off ends the session this long after saying
        // so, as the phone waits for it to; none: it keeps the session.
        std::optional<foundation::Seconds> sessionEndAfterParkIn = 1.0;
        // An operating car that is let go this long stops with the control time-out; none: it waits.
        std::optional<foundation::Seconds> controlTimeout;
        // A car that reads no valid held frame for this long stops, whatever the last one said.
        foundation::Seconds deadManInterval = 0.2;
        // One line per thing received, sent or done; none by default.
        std::function<void(const std::string&)> log;
    };

    // What arrived from the phone.
    struct Received {
        foundation::Seconds time;
        foundation::Bytes frame;
        std::optional<ReadOperation> operation;
    };

    static constexpr foundation::Seconds TICK = 0.1;

    // Starts listening; call on the thread of `loop`.
    VehicleUnit(foundation::RunLoop& loop, Options options);
    ~VehicleUnit();
    VehicleUnit(const VehicleUnit&) = delete;
    VehicleUnit& operator=(const VehicleUnit&) = delete;

    void startScenario(ScenarioKind kind);
    void setFault(Fault fault, bool on);
    void clearFaults();
    // The car halts or stops with the interruption's cause and stands still until resume().
    void interrupt(const Interruption& interruption);
    void resume();
    // A burst of bytes that are no messages, longer than one read of the phone.
    void sendGarbage(size_t length = 3000);
    // Hangs up and comes back as a new accessory.
    void dropLink();
    // Writes the phone's Bluetooth power for the local-socket backend; anything but poweredOn also
    // ends the link.
    void setBluetoothPower(bt::PowerState state);

    bool isConnected() const;
    std::vector<Received> received() const;
    Manoeuvre manoeuvre() const;

private:
    void listen();
    void stopListening();
    void accept();
    void readFromPhone();
    void hangUp(const std::string& why);
    void tick();
    void send(const std::string& what, const foundation::Bytes& frame);
    void log(const std::string& line) const;
    void writeFileAtomically(const std::string& name, const std::string& text) const;
    std::string path(const std::string& name) const;

    foundation::RunLoop& loop_;
    const Options options_;
    const Manoeuvre::Timing timing_;
    mutable std::mutex mutex_; // guards what tests read from other threads
    Manoeuvre manoeuvre_;
    // The phone's latest operation asked whether the car may be registered.
    bool confirmingRegistration_ = false;
    std::vector<Received> received_;
    std::set<Fault> faults_;
    std::optional<Interruption> interruption_;
    int listenFd_ = -1;
    int connectionFd_ = -1;
    foundation::FdWatchRef listenWatch_;
    foundation::FdWatchRef connectionWatch_;
    foundation::TimerRef ticker_;
    foundation::Bytes pending_;
    foundation::Seconds lastHeldFrame_ = 0;
    uint8_t counter_ = 0;
    uint64_t ticks_ = 0;
    std::mt19937 random_{20260101};
};

} // namespace vehiclesim
