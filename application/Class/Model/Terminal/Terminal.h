#pragma once

#include "Class/Model/Terminal/TerminalDelegate.h"

#include "accessory/Accessory.h"
#include "accessory/Session.h"
#include "accessory/Stream.h"
#include "foundation/Bytes.h"
#include "foundation/Clock.h"

#include "foundation/Guarded.h"

#include <atomic>
#include <memory>
#include <optional>
#include <string>

namespace accessory {
class AccessoryManager;
class InputStream;
} // namespace accessory

namespace tolvane::app {

// One accessory session with the in-car unit: its input stream is opened on the receive thread and
// its output stream on the send thread. Every chunk read is handed on at once; operation messages
// are written through a bounded buffer of pending bytes. The store owns every terminal and alone
// decides when to open and close; the terminal serves one session.
class Terminal final : public accessory::StreamDelegate, public std::enable_shared_from_this<Terminal> {
public:
    static constexpr size_t READ_CAPACITY = 1024;
    // A unit that has read nothing for this long, while frames wait for it, counts as a stalled link,
    // as long as one that sends nothing. A stalled link is a lost one: what the unit still sends is
    // not handed on, so the watchdogs see the silence of a lost link and end the run as they would.
    static constexpr foundation::Seconds STALLED_LINK_INTERVAL = 3.0;

    // Only the store's look-ups make terminals.
    static std::shared_ptr<Terminal> make(std::shared_ptr<accessory::AccessoryManager> manager,
                                          accessory::AccessoryRef accessory, std::string accessoryProtocol);

    // The accessory's name and serial number when the terminal was made.
    const std::string& name() const { return name_; }
    const std::string& udid() const { return udid_; }
    const accessory::AccessoryRef& accessory() const { return accessory_; }
    const std::string& accessoryProtocol() const { return accessoryProtocol_; }

    std::shared_ptr<TerminalDelegate> delegate() const;
    void setDelegate(const std::shared_ptr<TerminalDelegate>& delegate);

    // Set by open(); the store clears it once the terminal is closed.
    accessory::SessionRef session() const;
    void setSession(accessory::SessionRef session);

    // True once the close task of that stream ran.
    bool isInputStreamEndEncountered() const { return inputStreamEnd_.load(); }
    bool isOutputStreamEndEncountered() const { return outputStreamEnd_.load(); }

    // Main thread: makes a session and queues the opening of its streams on their threads.
    bool open();
    // Main thread: queues the closing of both streams on their threads.
    void close();

    // Send thread: writes an operation message and logs it.
    void _sendOperationData(const foundation::Bytes& data);
    // Send thread: appends to the pending bytes and writes what the stream takes now. Pending bytes
    // are at most the unsent rest of a partly written frame plus the newest frame: an older frame
    // that never started is dropped, since a stale hold-to-move command must not reach the vehicle.
    void write(const foundation::Bytes& data);
    // Send thread: the bytes not written yet.
    const foundation::Bytes& writeData() const { return writeData_; }

    // Receive thread.
    void openSocketForReceive(const accessory::SessionRef& session);
    void closeSocketForReceive(const accessory::SessionRef& session);
    void readAvailableBytes(accessory::InputStream& stream, size_t capacity);
    void receivedMessage(const foundation::Bytes& message);

    // Send thread.
    void openSocketForSend(const accessory::SessionRef& session);
    void closeSocketForSend(const accessory::SessionRef& session);

    // On the thread of the loop the stream is scheduled on.
    void stream(accessory::Stream& stream, accessory::StreamEvent event) override;

private:
    Terminal(std::shared_ptr<accessory::AccessoryManager> manager, accessory::AccessoryRef accessory,
             std::string accessoryProtocol);

    void openSocket(const std::shared_ptr<accessory::Stream>& stream, const accessory::SessionRef& session);
    void closeSocket(const std::shared_ptr<accessory::Stream>& stream, const accessory::SessionRef& session);
    void logPeerLine(bool input, const accessory::SessionRef& session) const;
    void reportOnMain(accessory::Stream::Direction direction, accessory::StreamEvent event);
    void removeWritten(size_t count);
    void watchBacklog();

    const std::shared_ptr<accessory::AccessoryManager> manager_;
    const accessory::AccessoryRef accessory_;
    const std::string accessoryProtocol_;
    const std::string name_;
    const std::string udid_;
    foundation::Guarded<std::weak_ptr<TerminalDelegate>> delegate_;
    foundation::Guarded<accessory::SessionRef> session_;
    std::atomic<bool> inputStreamEnd_{false};
    std::atomic<bool> outputStreamEnd_{false};
    foundation::Bytes writeData_;
    // How many bytes at the front of writeData_ are the rest of a frame already partly written.
    size_t unsentTailLength_ = 0;
    // Send thread: since when frames have waited for a unit that reads nothing, and whether that was
    // reported as the link's error.
    std::optional<foundation::Seconds> backlogSince_;
    // Set on the send thread, read on the receive thread.
    std::atomic<bool> stalled_{false};
};

} // namespace tolvane::app
