#include "Class/Model/Terminal/TerminalClosing.h"

#include "Class/Model/Terminal/Terminal.h"
#include "Class/Model/Utility/LogManager.h"

#include "foundation/RunLoop.h"

namespace tolvane::app {

void TerminalClosing::waitForStreamsEnd(std::weak_ptr<const void> owner, std::function<bool()> streamsOpen,
                                        std::function<void()> then)
{
    if (!streamsOpen()) {
        then();
        return;
    }
    struct Wait {
        int sleeps = 0;
        bool lastSampleOver = false;
    };
    auto wait = std::make_shared<Wait>();
    wait->lastSampleOver = !streamsOpen();
    foundation::RunLoop::main().scheduleTimer(
        WAIT_STEP, true,
        [owner = std::move(owner), wait, streamsOpen = std::move(streamsOpen), then = std::move(then)](foundation::Timer& timer) {
            if (owner.expired()) {
                timer.invalidate();
                return;
            }
            ++wait->sleeps;
            if (wait->lastSampleOver || wait->sleeps >= WAIT_STEPS) {
                timer.invalidate();
                then();
                return;
            }
            wait->lastSampleOver = !streamsOpen();
        });
}

void TerminalClosing::forceOpenStreamsClosed(const Terminal& terminal)
{
    const auto session = terminal.session();
    if (!session || (terminal.isInputStreamEndEncountered() && terminal.isOutputStreamEndEncountered()))
        return;
    auto force = [&](const std::shared_ptr<accessory::Stream>& stream, const char* message) {
        if (!stream)
            return;
        LogManager::print(message, LogLevel::warning,
                          {.values = {{"Name", terminal.name()}, {"UDID", terminal.udid()}}, .function = "close(completion:)"});
        stream->clearDelegate();
        // Closed on the thread that reads or writes it, never under it.
        stream->close();
    };
    force(session->inputStream(), "Forced termination terminal socket(Input).");
    force(session->outputStream(), "Forced termination terminal socket(Output).");
}

} // namespace tolvane::app
