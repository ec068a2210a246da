#include "vehicle-sim/VehicleUnit.h"

#include "vehicle-sim/VehicleMessageWriter.h"

#include "Internal/Model/FrameCutter.h"
#include "Internal/Model/SLIP.h"
#include "bluetooth/PowerStateText.h"
#include "foundation/RunLoop.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace vehiclesim {
namespace {

// The phone asks with the plain id and then echoes whichever answer it got.
bool isRegistrationConfirmation(tolvane::BtMekDspId disp)
{
    return disp == tolvane::BtMekDspId::vehicle_registration_confirmation || disp == tolvane::BtMekDspId::blinker_registration_confirmation;
}

constexpr uint8_t kCounterJump = 9;

int steps(foundation::Seconds seconds)
{
    return static_cast<int>(std::lround(seconds / VehicleUnit::TICK));
}

Manoeuvre::Timing timingOf(const VehicleUnit::Options& options)
{
    Manoeuvre::Timing timing{.sensingSteps = steps(options.sensing), .sessionEndSteps = std::nullopt, .controlTimeoutSteps = std::nullopt};
    if (options.sessionEndAfterParkIn)
        timing.sessionEndSteps = steps(*options.sessionEndAfterParkIn);
    if (options.controlTimeout)
        timing.controlTimeoutSteps = steps(*options.controlTimeout);
    return timing;
}

} // namespace

VehicleUnit::VehicleUnit(foundation::RunLoop& loop, Options options)
    : loop_(loop), options_(std::move(options)), timing_(timingOf(options_)), manoeuvre_(options_.scenario, options_.distance, timing_)
{
    std::error_code ignored;
    // The application links only to units in a folder nobody else can write to.
    if (std::filesystem::create_directories(options_.directory, ignored))
        std::filesystem::permissions(options_.directory, std::filesystem::perms::owner_all, ignored);
    writeFileAtomically(options_.serialNumber + ".json",
                        "{\"name\": \"" + options_.name + "\", \"protocolStrings\": [\"" + options_.protocolString + "\"]}\n");
    listen();
    ticker_ = loop_.scheduleTimer(TICK, true, [this](foundation::Timer&) { tick(); });
    log("unit " + options_.serialNumber + " ready, scenario " + std::string(scenarioName(options_.scenario)));
}

VehicleUnit::~VehicleUnit()
{
    ticker_->invalidate();
    hangUp("unit stopped");
    stopListening();
    std::error_code ignored;
    std::filesystem::remove(path(options_.serialNumber + ".json"), ignored);
}

std::string VehicleUnit::path(const std::string& name) const
{
    return options_.directory + "/" + name;
}

void VehicleUnit::writeFileAtomically(const std::string& name, const std::string& text) const
{
    // Written aside and renamed, so the phone never reads half a file.
    const std::string temporary = path("." + name + ".writing");
    std::ofstream(temporary) << text;
    std::filesystem::rename(temporary, path(name));
}

void VehicleUnit::listen()
{
    // Bound aside and renamed once listening, so the phone never finds a socket that refuses it.
    const std::string binding = path("." + options_.serialNumber + ".binding");
    const std::string final = path(options_.serialNumber + ".sock");
    ::unlink(binding.c_str());
    sockaddr_un address{};
    if (final.size() >= sizeof(address.sun_path)) {
        log("error: accessory folder path too long for a socket: " + final);
        return;
    }
    address.sun_family = AF_UNIX;
    std::copy(binding.begin(), binding.end(), address.sun_path);
    listenFd_ = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (listenFd_ < 0 || ::bind(listenFd_, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) != 0 ||
        ::listen(listenFd_, 4) != 0 || ::rename(binding.c_str(), final.c_str()) != 0) {
        log(std::string("error: cannot listen: ") + std::strerror(errno));
        return;
    }
    listenWatch_ = loop_.watchFd(listenFd_, foundation::FdCondition::readable, [this] { accept(); });
}

void VehicleUnit::stopListening()
{
    if (listenWatch_)
        listenWatch_->cancel();
    listenWatch_.reset();
    if (listenFd_ >= 0)
        ::close(listenFd_);
    listenFd_ = -1;
    ::unlink(path(options_.serialNumber + ".sock").c_str());
}

void VehicleUnit::accept()
{
    const int fd = ::accept4(listenFd_, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
    if (fd < 0)
        return;
    // One phone at a time: a new connection replaces the old one.
    hangUp("replaced by a new connection");
    {
        std::lock_guard lock(mutex_);
        connectionFd_ = fd;
    }
    pending_.clear();
    connectionWatch_ = loop_.watchFd(fd, foundation::FdCondition::readable, [this] { readFromPhone(); });
    connectionWatch_->setEnabled(!faults_.contains(Fault::stall));
    log("link: phone connected");
    tolvane::MekVerification greeting;
    greeting.IDTBTRQ = manoeuvre().startRequest();
    send("verification", VehicleMessageWriter::verification(greeting));
}

void VehicleUnit::hangUp(const std::string& why)
{
    if (connectionWatch_)
        connectionWatch_->cancel();
    connectionWatch_.reset();
    std::lock_guard lock(mutex_);
    if (connectionFd_ < 0)
        return;
    ::close(connectionFd_);
    connectionFd_ = -1;
    log("link: " + why);
    manoeuvre_.releaseControl();
    // The next phone that links finds the car ready for the same manoeuvre again.
    if (manoeuvre_.isOver())
        manoeuvre_ = Manoeuvre(manoeuvre_.kind(), options_.distance, timing_);
    if (interruption_)
        return;
    interruption_ = interruptionOnLinkLoss(manoeuvre_.phase());
    if (interruption_)
        log("halt " + interruption_->causeName);
}

void VehicleUnit::readFromPhone()
{
    uint8_t buffer[4096];
    for (;;) {
        const ssize_t count = ::read(connectionFd_, buffer, sizeof buffer);
        if (count == 0) {
            hangUp("phone hung up");
            return;
        }
        if (count < 0) {
            if (errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR)
                hangUp(std::string("read failed: ") + std::strerror(errno));
            return;
        }
        const auto cut = tolvane::FrameCutter::appendAndCut(pending_, std::span<const uint8_t>(buffer, static_cast<size_t>(count)));
        for (size_t i = 0; i < cut.frames.size(); ++i) {
            const auto frame = cut.frames[i];
            const foundation::Bytes message = tolvane::SLIP::decode(foundation::Bytes(frame.begin(), frame.end()));
            auto read = OperationMessageReader::read(message);
            std::optional<std::string> answer;
            {
                std::lock_guard lock(mutex_);
                received_.push_back({loop_.clock().now(), foundation::Bytes(frame.begin(), frame.end()), read});
                if (read)
                    confirmingRegistration_ = isRegistrationConfirmation(read->operation.disp);
                if (read && !confirmingRegistration_) {
                    answer = manoeuvre_.operationReceived(read->operation);
                    // The user's end request ends a halt too.
                    if (manoeuvre_.phase() == Manoeuvre::Phase::stopped && interruption_ && interruption_->kind == InterruptionKind::halt)
                        interruption_.reset();
                    if (manoeuvre_.isHeld() && read->checksumValid)
                        lastHeldFrame_ = loop_.clock().now();
                }
            }
            if (read)
                log("rx operation " + OperationMessageReader::describe(*read));
            else
                log("rx unreadable frame [" + foundation::hexString(message, " ") + "]");
            if (answer)
                log("car: " + *answer);
        }
    }
}

void VehicleUnit::tick()
{
    ++ticks_;
    tolvane::MekCsrReq request;
    tolvane::MekVerification verification;
    bool deadManStop = false;
    bool sessionOver = false;
    std::optional<std::string> event;
    {
        std::lock_guard lock(mutex_);
        // A phone that goes quiet or a unit that stops reading must not leave the car moving on the
        // last frame it read.
        if (manoeuvre_.isHeld() && loop_.clock().now() - lastHeldFrame_ > options_.deadManInterval) {
            manoeuvre_.releaseControl();
            deadManStop = true;
        }
        // A halted or stopped car stands still and says why.
        if (!interruption_)
            event = manoeuvre_.step();
        sessionOver = manoeuvre_.endsSession();
        request = manoeuvre_.controlStateRequest();
        verification.IDTBTRQ = manoeuvre_.startRequest();
        if (confirmingRegistration_)
            request.MEKDSPID = options_.blinkerRegistration ? tolvane::BtMekDspId::blinker_registration_confirmation
                                                            : tolvane::BtMekDspId::vehicle_registration_confirmation;
        if (interruption_ && interruption_->requestDisplayId)
            request.MEKDSPID = *interruption_->requestDisplayId;
        if (interruption_ && interruption_->verificationDisplayId)
            verification.IDTDSPID = *interruption_->verificationDisplayId;
    }
    if (event)
        log("car: " + *event);
    if (deadManStop)
        log("dead man: no held frame read for " + std::to_string(options_.deadManInterval) + " s, the car stops");
    if (sessionOver)
        hangUp("the car ends the session");
    if (!isConnected() || faults_.contains(Fault::silence))
        return;
    if (!faults_.contains(Fault::frozenCounter))
        counter_ = static_cast<uint8_t>(counter_ + (faults_.contains(Fault::jumpingCounter) ? kCounterJump : 1));
    // The phone counts a missing verification record as a lost link, so one goes with every request.
    send("verification", VehicleMessageWriter::verification(verification));
    send("csr_request " + manoeuvre().describe() + " cnt=" + std::to_string(counter_) +
             (faults_.contains(Fault::badChecksum) ? " sum=BAD" : ""),
         VehicleMessageWriter::csrRequest(request, counter_, faults_.contains(Fault::badChecksum)));
    if (ticks_ % 2 == 0) {
        send("detection", VehicleMessageWriter::detection({}));
        send("information", VehicleMessageWriter::information({}));
    }
    if (faults_.contains(Fault::abnormality))
        send("abnormality DCUIDTER=1 DCUCSRER=1", VehicleMessageWriter::abnormality({.DCUIDTER = 1, .DCUCSRER = 1}));
}

void VehicleUnit::send(const std::string& what, const foundation::Bytes& frame)
{
    int fd;
    {
        std::lock_guard lock(mutex_);
        fd = connectionFd_;
    }
    if (fd < 0)
        return;
    const ssize_t sent = ::send(fd, frame.data(), frame.size(), MSG_NOSIGNAL | MSG_DONTWAIT);
    if (sent == static_cast<ssize_t>(frame.size()))
        log("tx " + what + " [" + foundation::hexString(frame, " ") + "]");
    else if (sent < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
        log("tx " + what + " dropped: the phone is not reading");
    else if (sent < 0)
        hangUp(std::string("write failed: ") + std::strerror(errno));
    else
        log("tx " + what + " cut short: " + std::to_string(sent) + " of " + std::to_string(frame.size()) + " bytes");
}

void VehicleUnit::startScenario(ScenarioKind kind)
{
    {
        std::lock_guard lock(mutex_);
        manoeuvre_ = Manoeuvre(kind, options_.distance, timing_);
    }
    log("scenario " + std::string(scenarioName(kind)));
}

void VehicleUnit::setFault(Fault fault, bool on)
{
    if (on)
        faults_.insert(fault);
    else
        faults_.erase(fault);
    if (fault == Fault::stall && connectionWatch_)
        connectionWatch_->setEnabled(!on);
    log("fault " + std::string(faultName(fault)) + (on ? " on" : " off"));
}

void VehicleUnit::clearFaults()
{
    for (Fault fault : std::set<Fault>(faults_))
        setFault(fault, false);
}

void VehicleUnit::interrupt(const Interruption& interruption)
{
    {
        std::lock_guard lock(mutex_);
        interruption_ = interruption;
    }
    log(std::string(interruption.kind == InterruptionKind::halt ? "halt " : "stop ") + interruption.causeName);
}

void VehicleUnit::resume()
{
    {
        std::lock_guard lock(mutex_);
        interruption_.reset();
    }
    log("resume");
}

void VehicleUnit::sendGarbage(size_t length)
{
    foundation::Bytes garbage(length);
    std::uniform_int_distribution<int> byte(0, 255);
    for (auto& value : garbage)
        value = static_cast<uint8_t>(byte(random_));
    send("garbage of " + std::to_string(length) + " bytes", garbage);
}

void VehicleUnit::dropLink()
{
    hangUp("dropped by the unit");
    stopListening();
    listen();
}

void VehicleUnit::setBluetoothPower(bt::PowerState state)
{
    writeFileAtomically("bluetooth-power", bt::powerStateText(state) + "\n");
    log("power " + bt::powerStateText(state));
    if (state != bt::PowerState::poweredOn)
        hangUp("Bluetooth is off");
}

bool VehicleUnit::isConnected() const
{
    std::lock_guard lock(mutex_);
    return connectionFd_ >= 0;
}

std::vector<VehicleUnit::Received> VehicleUnit::received() const
{
    std::lock_guard lock(mutex_);
    return received_;
}

Manoeuvre VehicleUnit::manoeuvre() const
{
    std::lock_guard lock(mutex_);
    return manoeuvre_;
}

void VehicleUnit::log(const std::string& line) const
{
    if (options_.log)
        options_.log(line);
}

} // namespace vehiclesim
