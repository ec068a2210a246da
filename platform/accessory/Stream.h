#pragma once

#include "accessory/StreamDelegate.h"
#include "accessory/StreamEvent.h"

#include <atomic>
#include <memory>
#include <mutex>
#include <optional>
#include <string>

namespace foundation {
class RunLoop;
}

namespace accessory {

// One direction of an accessory session. A stream lives on the run loop it is scheduled on: its
// events reach the delegate there, and it is read or written and closed there.
class Stream : public std::enable_shared_from_this<Stream> {
public:
    enum class Direction { input, output };

    virtual ~Stream();
    Stream(const Stream&) = delete;
    Stream& operator=(const Stream&) = delete;

    Direction direction() const { return direction_; }

    void setDelegate(const std::shared_ptr<StreamDelegate>& delegate);
    void clearDelegate();
    // Safe from any thread: the link counts as up only while both streams have their delegate.
    bool hasDelegate() const;

    // Call on the thread of `loop`.
    void schedule(foundation::RunLoop& loop);
    void removeFromRunLoop(foundation::RunLoop& loop);

    // Opening completes on the scheduled loop, which then hears openCompleted before anything else.
    void open();
    // Closes on the thread the stream is scheduled on: at once when called there or when that loop
    // is gone, otherwise as a task posted to it. A descriptor that another thread waits on is never
    // closed under it. No event is delivered after the close.
    void close();

    StreamStatus status() const { return status_.load(); }
    // What went wrong, once the stream failed.
    std::optional<std::string> streamError() const;

    // Closes every stream still scheduled on `loop`; a loop about to stop runs it so that nothing
    // it carried stays open.
    static void closeAllScheduledOn(foundation::RunLoop& loop);

protected:
    explicit Stream(Direction direction);

    // The loop the stream is scheduled on, if it still exists.
    std::shared_ptr<foundation::RunLoop> scheduledLoop() const;

    // Delivers an event to the delegate now, on the scheduled loop's thread.
    void deliver(StreamEvent event);
    // Delivers an event to the delegate on the scheduled loop's next turn, unless closed by then.
    void post(StreamEvent event);
    // Error state with its description; errorOccurred follows once.
    void fail(std::string description);
    // End of the data; endEncountered follows once.
    void reachEnd();

    // Hooks of the concrete stream, all on the scheduled loop's thread. `start` runs once the stream
    // is both open and scheduled; `stop` when it is closed or unscheduled; `release` frees the
    // resource at the close.
    virtual void start(foundation::RunLoop&) {}
    virtual void stop() {}
    virtual void release() {}

private:
    void closeHere();
    void startIfReady();
    void announceOpenIfReady();

    const Direction direction_;
    std::atomic<StreamStatus> status_{StreamStatus::notOpen};
    mutable std::mutex mutex_;
    std::weak_ptr<StreamDelegate> delegate_;
    std::weak_ptr<foundation::RunLoop> loop_;
    std::optional<std::string> error_;
    bool openAnnounced_ = false;
    bool started_ = false;
};

} // namespace accessory
