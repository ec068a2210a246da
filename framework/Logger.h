#pragma once

#include <cstdint>
#include <optional>
#include <source_location>
#include <string>
#include <string_view>

namespace tolvane {

// The levels in their order, each with its raw value.
#define TOLVANE_LOG_LEVELS(X) \
    X(debug, "Debug") \
    X(trace, "Trace") \
    X(info, "Info") \
    X(notice, "Notice") \
    X(error, "Error") \
    X(warning, "Warning") \
    X(fault, "Fault") \
    X(critical, "Critical")

enum class LogLevel {
#define TOLVANE_CASE(name, raw) name,
    TOLVANE_LOG_LEVELS(TOLVANE_CASE)
#undef TOLVANE_CASE
};

std::string_view rawValue(LogLevel level);
// Case-sensitive: "warning" is no level, "Warning" is.
std::optional<LogLevel> logLevelFromRaw(std::string_view raw);

// Writes "[<Level>] <file name> #<line> <function>: <message>" to the system log under the running
// program's identifier and the category "Standard". `function` is the Swift-style signature the
// caller names itself by, e.g. "logAbnomalCodeResponse(recept:causeForLogging:)".
void log(LogLevel level, std::string_view message, std::string_view function, std::string_view file, int64_t line);

// The same, with the file and line of the call site.
inline void log(LogLevel level, std::string_view message, std::string_view function,
                std::source_location location = std::source_location::current())
{
    log(level, message, function, location.file_name(), static_cast<int64_t>(location.line()));
}

// The composed line, exposed for the receive path's tests and for callers that need it verbatim.
std::string composeLogLine(LogLevel level, std::string_view message, std::string_view function,
                           std::string_view file, int64_t line);

} // namespace tolvane
