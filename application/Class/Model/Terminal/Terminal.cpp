#include "Class/Model/Terminal/Terminal.h"

#include "Class/Model/Terminal/DataReceiveCenter.h"
#include "Class/Model/Terminal/DataTransmissionCenter.h"
#include "Class/Model/Utility/LogManager.h"

#include "accessory/AccessoryManager.h"
#include "accessory/InputStream.h"
#include "accessory/OutputStream.h"
#include "foundation/RunLoop.h"

#include <vector>

namespace tolvane::app {
namespace {

using accessory::StreamEvent;

const char* label(accessory::Stream::Direction direction)
{
    return direction == accessory::Stream::Direction::input ? "Socket(Input)" : "Socket(Output)";
}

void log(LogMessage message, LogLevel level, std::vector<LabelledValue> values, std::string_view function)
{
    LogManager::print(std::move(message), level, {.values = std::move(values), .function = function});
}

} // namespace

std::shared_ptr<Terminal> Terminal::make(std::shared_ptr<accessory::AccessoryManager> manager,
                                         accessory::AccessoryRef accessory, std::string accessoryProtocol)
{
    return std::shared_ptr<Terminal>(new Terminal(std::move(manager), std::move(accessory), std::move(accessoryProtocol)));
}

Terminal::Terminal(std::shared_ptr<accessory::AccessoryManager> manager, accessory::AccessoryRef accessory,
                   std::string accessoryProtocol)
    : manager_(std::move(manager)),
      accessory_(std::move(accessory)),
      accessoryProtocol_(std::move(accessoryProtocol)),
      name_(accessory_ ? accessory_->name() : ""),
      udid_(accessory_ ? accessory_->serialNumber() : "")
{
}

std::shared_ptr<TerminalDelegate> Terminal::delegate() const
{
    return delegate_.copy().lock();
}

void Terminal::setDelegate(const std::shared_ptr<TerminalDelegate>& delegate)
{
    delegate_.set(delegate);
}

accessory::SessionRef Terminal::session() const
{
    return session_.copy();
}

void Terminal::setSession(accessory::SessionRef session)
{
    session_.set(std::move(session));
}

bool Terminal::open()
{
    close();
    if (!accessory_) {
        log("Failed to open terminal.", LogLevel::warning, {{"Cause", "Accessory is nil."}, {"Name", name_}}, "open()");
        return false;
    }
    auto session = manager_ ? manager_->openSession(accessory_, accessoryProtocol_) : nullptr;
    if (!session) {
        log("Failed to open terminal.", LogLevel::warning,
            {{"Cause", "Failed to create EASession."}, {"Name", name_}, {"UDID", udid_}}, "open()");
        return false;
    }
    setSession(session);
    log("Successfully open terminal.", LogLevel::information,
        {{"Name", name_}, {"UDID", udid_}, {"connectionID", std::to_string(accessory_->connectionID())}}, "open()");
    std::weak_ptr<Terminal> weak = weak_from_this();
    DataReceiveCenter::shared()->enqueueSingleTask([weak, session] {
        if (auto terminal = weak.lock())
            terminal->openSocketForReceive(session);
    });
    DataTransmissionCenter::shared()->enqueueSingleTask([weak, session] {
        if (auto terminal = weak.lock())
            terminal->openSocketForSend(session);
    });
    return true;
}

void Terminal::close()
{
    auto session = this->session();
    if (!session)
        return;
    log("Close terminal.", LogLevel::information, {{"Name", name_}, {"UDID", udid_}}, "close()");
    std::weak_ptr<Terminal> weak = weak_from_this();
    DataReceiveCenter::shared()->enqueueSingleTask([weak, session] {
        if (auto terminal = weak.lock())
            terminal->closeSocketForReceive(session);
        if (auto terminal = weak.lock())
            terminal->inputStreamEnd_.store(true);
    });
    DataTransmissionCenter::shared()->enqueueSingleTask([weak, session] {
        if (auto terminal = weak.lock())
            terminal->closeSocketForSend(session);
        if (auto terminal = weak.lock())
            terminal->outputStreamEnd_.store(true);
    });
}

void Terminal::logPeerLine(bool input, const accessory::SessionRef& session) const
{
    const auto& accessory = session ? session->accessory() : nullptr;
    const std::string name = accessory ? accessory->name() : "";
    const std::string serial = accessory ? accessory->serialNumber() : "";
    LogManager::print(input ? "受信先名" + name + "、受信先シリアルナンバー" + serial
                            : "送信先名" + name + "、送信先シリアルナンバー" + serial,
                      LogLevel::information, {.function = input ? "readAvailableBytes(_:capacity:)" : "write(_:)"});
}

void Terminal::openSocketForReceive(const accessory::SessionRef& session)
{
    openSocket(session->inputStream(), session);
}

void Terminal::openSocketForSend(const accessory::SessionRef& session)
{
    backlogSince_.reset();
    stalled_.store(false);
    openSocket(session->outputStream(), session);
}

void Terminal::closeSocketForReceive(const accessory::SessionRef& session)
{
    closeSocket(session->inputStream(), session);
}

void Terminal::closeSocketForSend(const accessory::SessionRef& session)
{
    closeSocket(session->outputStream(), session);
}

void Terminal::openSocket(const std::shared_ptr<accessory::Stream>& stream, const accessory::SessionRef& session)
{
    if (!stream)
        return;
    const bool input = stream->direction() == accessory::Stream::Direction::input;
    log(input ? "Start open terminal socket(Input)." : "Start open terminal socket(Output).", LogLevel::information,
        {{"Name", name_}, {"UDID", udid_}}, input ? "openSocketForReceive(for:)" : "openSocketForSend(for:)");
    logPeerLine(input, session);
    stream->setDelegate(shared_from_this());
    stream->schedule(*foundation::RunLoop::current());
    stream->open();
}

void Terminal::closeSocket(const std::shared_ptr<accessory::Stream>& stream, const accessory::SessionRef& session)
{
    if (!stream)
        return;
    const bool input = stream->direction() == accessory::Stream::Direction::input;
    log(input ? "Close terminal socket(Input)." : "Close terminal socket(Output).", LogLevel::information,
        {{"Name", name_}, {"UDID", udid_}}, input ? "closeSocketForReceive(for:)" : "closeSocketForSend(for:)");
    logPeerLine(input, session);
    stream->clearDelegate();
    stream->close();
    stream->removeFromRunLoop(*foundation::RunLoop::current());
}

void Terminal::stream(accessory::Stream& stream, StreamEvent event)
{
    switch (event) {
    case StreamEvent::hasBytesAvailable:
        readAvailableBytes(static_cast<accessory::InputStream&>(stream), READ_CAPACITY);
        break;
    case StreamEvent::openCompleted:
    case StreamEvent::errorOccurred:
    case StreamEvent::endEncountered:
        reportOnMain(stream.direction(), event);
        break;
    case StreamEvent::hasSpaceAvailable:
        break;
    }
}

void Terminal::reportOnMain(accessory::Stream::Direction direction, StreamEvent event)
{
    foundation::RunLoop::main().post([weak = weak_from_this(), direction, event] {
        auto terminal = weak.lock();
        auto delegate = terminal ? terminal->delegate() : nullptr;
        // Once the store let the session go, what its streams still report is stale.
        if (!delegate || !terminal->session())
            return;
        const std::string streamLabel = label(direction);
        switch (event) {
        case StreamEvent::openCompleted:
            log(streamLabel + " open completed.", LogLevel::information, {}, "stream(_:handle:)");
            delegate->streamOpenCompleted();
            break;
        case StreamEvent::errorOccurred:
            log(streamLabel + " error occurred.", LogLevel::warning, {}, "stream(_:handle:)");
            delegate->streamErrorOccurred();
            break;
        case StreamEvent::endEncountered:
            log(streamLabel + " end encountered.", LogLevel::information, {}, "stream(_:handle:)");
            delegate->streamEndEncountered();
            break;
        case StreamEvent::hasBytesAvailable:
        case StreamEvent::hasSpaceAvailable:
            break;
        }
    });
}

void Terminal::readAvailableBytes(accessory::InputStream& stream, size_t capacity)
{
    constexpr std::string_view function = "readAvailableBytes(_:capacity:)";
    log("Data Communication Log... Start pop receive data", LogLevel::debug, {}, function);
    const auto session = this->session();
    if (!session) {
        log("Skip readAvailableBytes method.", LogLevel::debug, {}, function);
        return;
    }
    std::vector<uint8_t> buffer(capacity);
    while (stream.hasBytesAvailable()) {
        const long count = stream.read(buffer.data(), capacity);
        if (count < 0) {
            log(stream.streamError().value_or("Error occured"), LogLevel::error, {}, function);
            break;
        }
        receivedMessage(foundation::Bytes(buffer.begin(), buffer.begin() + count));
    }
    logPeerLine(true, session);
    log("Data Communication Log... End pop receive data", LogLevel::debug, {}, function);
}

void Terminal::receivedMessage(const foundation::Bytes& message)
{
    log("Received Message Log: Message=" + std::to_string(message.size()) + " bytes", LogLevel::debug, {},
        "receivedMessage(message:)");
    if (message.empty() || stalled_.load())
        return;
    if (auto delegate = this->delegate())
        delegate->receivedMessage(message);
}

void Terminal::_sendOperationData(const foundation::Bytes& data)
{
    write(data);
    log([data] { return foundation::hexString(data, " "); }, LogLevel::information, {}, "_sendOperationData(_:)");
}

void Terminal::write(const foundation::Bytes& data)
{
    constexpr std::string_view function = "write(_:)";
    const size_t staleLength = writeData_.size() - unsentTailLength_;
    if (!data.empty() && staleLength > 0) {
        writeData_.erase(writeData_.begin() + static_cast<long>(unsentTailLength_), writeData_.end());
        log("Dropped a stale frame that the terminal did not take.", LogLevel::warning,
            {{"Count", staleLength}, {"Name", name_}, {"UDID", udid_}}, function);
    }
    writeData_.insert(writeData_.end(), data.begin(), data.end());
    const auto session = this->session();
    logPeerLine(false, session);
    if (writeData_.empty())
        log("writeData is empty.", LogLevel::warning, {}, function);
    if (!session)
        return;
    const auto& stream = session->outputStream();
    while (stream && !writeData_.empty() && stream->hasSpaceAvailable()) {
        const long count = stream->write(writeData_.data(), writeData_.size());
        if (count < 0) {
            log(stream->streamError().value_or("Error! Failed to write data to the terminal."), LogLevel::error, {},
                function);
            return;
        }
        if (count == 0) {
            // A stream that takes nothing while it claims space would spin this thread; the next
            // send tries again.
            log("fixed-length stream and has reached its capacity.", LogLevel::warning, {}, function);
            return;
        }
        removeWritten(static_cast<size_t>(count));
    }
    watchBacklog();
}

void Terminal::watchBacklog()
{
    if (writeData_.empty()) {
        backlogSince_.reset();
        return;
    }
    const foundation::Seconds now = foundation::RunLoop::main().clock().now();
    if (!backlogSince_)
        backlogSince_ = now;
    if (stalled_.load() || now - *backlogSince_ < STALLED_LINK_INTERVAL)
        return;
    stalled_.store(true);
    log("The terminal reads nothing; the link counts as stalled.", LogLevel::warning,
        {{"Name", name_}, {"UDID", udid_}}, "write(_:)");
    reportOnMain(accessory::Stream::Direction::output, StreamEvent::errorOccurred);
}

void Terminal::removeWritten(size_t count)
{
    writeData_.erase(writeData_.begin(), writeData_.begin() + static_cast<long>(count));
    if (count <= unsentTailLength_)
        unsentTailLength_ -= count;
    else
        unsentTailLength_ = writeData_.size(); // what is left belongs to the frame now started
}

} // namespace tolvane::app
