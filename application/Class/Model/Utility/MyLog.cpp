#include "Class/Model/Utility/MyLog.h"

#include "Class/Model/Utility/LogManager.h"

#include "elclog/ELCLog.h"
#include "foundation/LogText.h"

#include <string>

namespace tolvane::app {

void myLog(std::string_view tag, std::string_view message, bool asynchronous, std::string_view function,
           std::source_location location)
{
    myLog(tag, [message = std::string(message)] { return message; }, asynchronous, function, location);
}

void myLog(std::string_view tag, std::function<std::string()> message, bool asynchronous, std::string_view function,
           std::source_location location)
{
    std::string functionName = function.empty() ? std::string(location.function_name()) : std::string(function);
    LogManager::writeOnLoggingQueue([tag = std::string(tag), message = std::move(message),
                                     functionName = std::move(functionName), file = location.file_name(),
                                     line = location.line(), asynchronous] {
        const std::string text = "[" + tag + "] " + message();
        elclog::ELCLog::write(text, MY_LOG_FLAG, file, functionName.c_str(), line, asynchronous);
        return "[MyLog]" + foundation::escapedLogText(text) + "\n";
    });
}

} // namespace tolvane::app
