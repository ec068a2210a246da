#include "Logger.h"

#include "foundation/SystemLog.h"

#include <array>

namespace tolvane {
namespace {

constexpr auto kRawValues = std::to_array<std::string_view>({
#define TOLVANE_CASE(name, raw) raw,
    TOLVANE_LOG_LEVELS(TOLVANE_CASE)
#undef TOLVANE_CASE
});

foundation::SystemLogType systemType(LogLevel level)
{
    switch (level) {
    case LogLevel::debug:
    case LogLevel::trace: return foundation::SystemLogType::debug;
    case LogLevel::info: return foundation::SystemLogType::info;
    case LogLevel::notice: return foundation::SystemLogType::defaultType;
    case LogLevel::error:
    case LogLevel::warning: return foundation::SystemLogType::error;
    case LogLevel::fault:
    case LogLevel::critical: return foundation::SystemLogType::fault;
    }
    return foundation::SystemLogType::defaultType;
}

constexpr std::string_view kCategory = "Standard";

} // namespace

std::string_view rawValue(LogLevel level)
{
    return kRawValues[static_cast<size_t>(level)];
}

std::optional<LogLevel> logLevelFromRaw(std::string_view raw)
{
    for (size_t i = 0; i < kRawValues.size(); ++i)
        if (kRawValues[i] == raw)
            return static_cast<LogLevel>(i);
    return std::nullopt;
}

std::string composeLogLine(LogLevel level, std::string_view message, std::string_view function,
                           std::string_view file, int64_t line)
{
    const auto slash = file.rfind('/');
    const std::string_view fileName = slash == std::string_view::npos ? file : file.substr(slash + 1);
    std::string text;
    text.reserve(32 + fileName.size() + function.size() + message.size());
    text += '[';
    text += rawValue(level);
    text += "] ";
    text += fileName;
    text += " #";
    text += std::to_string(line);
    text += ' ';
    text += function;
    text += ": ";
    text += message;
    return text;
}

void log(LogLevel level, std::string_view message, std::string_view function, std::string_view file, int64_t line)
{
    const std::string text = composeLogLine(level, message, function, file, line);
    auto& sink = foundation::systemLog();
    const auto type = systemType(level);
    if (sink.isEnabled(type))
        sink.write(type, foundation::applicationIdentifier(), kCategory, text);
}

} // namespace tolvane
