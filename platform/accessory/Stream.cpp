#include "accessory/Stream.h"

#include "foundation/RunLoop.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace accessory {
namespace {

// The streams scheduled on each loop, so that a loop that stops can close what it still carries.
struct ScheduledStream {
    const foundation::RunLoop* loop;
    std::weak_ptr<Stream> stream;
};

std::mutex registryMutex;
std::vector<ScheduledStream>& registry()
{
    static std::vector<ScheduledStream> streams;
    return streams;
}

void forget(const Stream* stream)
{
    std::lock_guard lock(registryMutex);
    std::erase_if(registry(), [stream](const ScheduledStream& entry) {
        auto scheduled = entry.stream.lock();
        return !scheduled || scheduled.get() == stream;
    });
}

} // namespace

Stream::Stream(Direction direction) : direction_(direction) {}

Stream::~Stream()
{
    forget(this);
}

void Stream::setDelegate(const std::shared_ptr<StreamDelegate>& delegate)
{
    std::lock_guard lock(mutex_);
    delegate_ = delegate;
}

void Stream::clearDelegate()
{
    std::lock_guard lock(mutex_);
    delegate_.reset();
}

bool Stream::hasDelegate() const
{
    std::lock_guard lock(mutex_);
    return !delegate_.expired();
}

std::optional<std::string> Stream::streamError() const
{
    std::lock_guard lock(mutex_);
    return error_;
}

std::shared_ptr<foundation::RunLoop> Stream::scheduledLoop() const
{
    std::lock_guard lock(mutex_);
    return loop_.lock();
}

void Stream::schedule(foundation::RunLoop& loop)
{
    {
        std::lock_guard lock(mutex_);
        loop_ = loop.weak_from_this();
    }
    {
        std::lock_guard lock(registryMutex);
        registry().push_back({&loop, weak_from_this()});
    }
    if (openAnnounced_)
        startIfReady();
    else
        announceOpenIfReady();
}

void Stream::removeFromRunLoop(foundation::RunLoop& loop)
{
    {
        std::lock_guard lock(mutex_);
        if (loop_.lock().get() != &loop)
            return;
        loop_.reset();
    }
    forget(this);
    if (std::exchange(started_, false))
        stop();
}

void Stream::open()
{
    auto expected = StreamStatus::notOpen;
    if (!status_.compare_exchange_strong(expected, StreamStatus::open))
        return;
    announceOpenIfReady();
}

void Stream::announceOpenIfReady()
{
    auto loop = scheduledLoop();
    if (openAnnounced_ || !loop || status() != StreamStatus::open)
        return;
    openAnnounced_ = true;
    // Readiness is watched only once the opening was reported, so that it is always reported first.
    loop->post([weak = weak_from_this()] {
        if (auto self = weak.lock()) {
            self->deliver(StreamEvent::openCompleted);
            self->startIfReady();
        }
    });
}

void Stream::startIfReady()
{
    if (started_ || status() != StreamStatus::open)
        return;
    if (auto loop = scheduledLoop()) {
        started_ = true;
        start(*loop);
    }
}

void Stream::close()
{
    auto loop = scheduledLoop();
    if (loop && !loop->isCurrent()) {
        loop->post([self = shared_from_this()] { self->closeHere(); });
        return;
    }
    closeHere();
}

void Stream::closeHere()
{
    if (status_.exchange(StreamStatus::closed) == StreamStatus::closed)
        return;
    if (std::exchange(started_, false))
        stop();
    release();
    forget(this);
}

void Stream::closeAllScheduledOn(foundation::RunLoop& loop)
{
    std::vector<std::shared_ptr<Stream>> streams;
    {
        std::lock_guard lock(registryMutex);
        for (const auto& entry : registry())
            if (entry.loop == &loop)
                if (auto stream = entry.stream.lock())
                    streams.push_back(std::move(stream));
    }
    for (const auto& stream : streams) {
        stream->clearDelegate();
        stream->closeHere();
        stream->removeFromRunLoop(loop);
    }
}

void Stream::deliver(StreamEvent event)
{
    if (status() == StreamStatus::closed)
        return;
    std::shared_ptr<StreamDelegate> delegate;
    {
        std::lock_guard lock(mutex_);
        delegate = delegate_.lock();
    }
    if (delegate)
        delegate->stream(*this, event);
}

void Stream::post(StreamEvent event)
{
    if (auto loop = scheduledLoop())
        loop->post([weak = weak_from_this(), event] {
            if (auto self = weak.lock())
                self->deliver(event);
        });
}

void Stream::fail(std::string description)
{
    {
        std::lock_guard lock(mutex_);
        error_ = std::move(description);
    }
    const auto previous = status_.exchange(StreamStatus::error);
    if (previous == StreamStatus::closed) {
        status_.store(StreamStatus::closed);
        return;
    }
    if (previous != StreamStatus::error)
        post(StreamEvent::errorOccurred);
}

void Stream::reachEnd()
{
    auto expected = StreamStatus::open;
    if (status_.compare_exchange_strong(expected, StreamStatus::atEnd))
        post(StreamEvent::endEncountered);
}

} // namespace accessory
