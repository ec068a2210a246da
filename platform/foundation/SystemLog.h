#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace foundation {

// The system log's record types.
enum class SystemLogType { debug, info, defaultType, error, fault };

class SystemLogSink {
public:
    virtual ~SystemLogSink() = default;
    virtual bool isEnabled(SystemLogType type) const = 0;
    virtual void write(SystemLogType type, std::string_view subsystem, std::string_view category,
                       std::string_view line) = 0;
};

// The process-wide sink: the journal where it runs, standard error otherwise. Tests swap in their own.
SystemLogSink& systemLog();
// Replaces the sink; null restores the default. Returns the previous custom sink, if any.
std::shared_ptr<SystemLogSink> setSystemLogSink(std::shared_ptr<SystemLogSink> sink);

// The identifier of the running program, used as the log subsystem.
const std::string& applicationIdentifier();
void setApplicationIdentifier(std::string identifier);

} // namespace foundation
