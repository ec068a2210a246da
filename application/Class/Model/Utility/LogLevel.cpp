#include "Class/Model/Utility/LogLevel.h"

#include <array>

namespace tolvane::app {

int levelNumber(LogLevel level)
{
    return static_cast<int>(level) + 1;
}

std::string_view label(LogLevel level)
{
    static constexpr std::array<std::string_view, 4> labels = {"DEBUG", "INFO", "WARN", "ERROR"};
    return labels[static_cast<size_t>(level)];
}

} // namespace tolvane::app
