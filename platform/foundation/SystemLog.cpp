#include "foundation/SystemLog.h"

#include "foundation/LogText.h"

#include <syslog.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <mutex>

namespace foundation {
namespace {

class DefaultSystemLog final : public SystemLogSink {
public:
    DefaultSystemLog() : toJournal_(access("/run/systemd/journal/socket", F_OK) == 0)
    {
        // Debug records cost a lot at 20 lines a second; they are off unless asked for.
        const char* debug = std::getenv("TOLVANE_LOG_DEBUG");
        debugEnabled_ = debug && *debug && *debug != '0';
    }

    bool isEnabled(SystemLogType type) const override
    {
        return type != SystemLogType::debug || debugEnabled_;
    }

    void write(SystemLogType type, std::string_view subsystem, std::string_view category,
               std::string_view text) override
    {
        const std::string line = escapedLogText(text);
        std::lock_guard lock(mutex_);
        if (toJournal_) {
            syslog(priority(type), "[%.*s:%.*s] %.*s", static_cast<int>(subsystem.size()), subsystem.data(),
                   static_cast<int>(category.size()), category.data(), static_cast<int>(line.size()),
                   line.data());
        } else {
            std::fprintf(stderr, "%.*s[%.*s] %.*s\n", static_cast<int>(subsystem.size()), subsystem.data(),
                         static_cast<int>(category.size()), category.data(), static_cast<int>(line.size()),
                         line.data());
        }
    }

private:
    static int priority(SystemLogType type)
    {
        switch (type) {
        case SystemLogType::debug: return LOG_DEBUG;
        case SystemLogType::info: return LOG_INFO;
        case SystemLogType::defaultType: return LOG_NOTICE;
        case SystemLogType::error: return LOG_ERR;
        case SystemLogType::fault: return LOG_CRIT;
        }
        return LOG_NOTICE;
    }

    const bool toJournal_;
    bool debugEnabled_ = false;
    std::mutex mutex_;
};

std::mutex sinkMutex;
std::shared_ptr<SystemLogSink> customSink;
std::string appIdentifier = "com.tolvane.control";

} // namespace

SystemLogSink& systemLog()
{
    static DefaultSystemLog defaultSink;
    std::lock_guard lock(sinkMutex);
    if (customSink)
        return *customSink;
    return defaultSink;
}

std::shared_ptr<SystemLogSink> setSystemLogSink(std::shared_ptr<SystemLogSink> sink)
{
    std::lock_guard lock(sinkMutex);
    auto previous = std::move(customSink);
    customSink = std::move(sink);
    return previous;
}

const std::string& applicationIdentifier()
{
    return appIdentifier;
}

void setApplicationIdentifier(std::string identifier)
{
    appIdentifier = std::move(identifier);
}

} // namespace foundation
