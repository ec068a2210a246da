#include "Class/Model/Utility/MyLog.h"

#include "Class/Model/Utility/LogManager.h"

#include "elclog/ELCLog.h"
#include "foundation/LogText.h"

#include <string>

namespace tolvane::app {

void myLog(std::string_view tag, std::string_view message, bool asynchronous, std::string_view function,
           std::source_location location)
{
    std::string text = "[";
    text += tag;
    text += "] ";
    text += message;
    std::string functionName = function.empty() ? std::string(location.function_name()) : std::string(function);
    LogManager::writeOnLoggingQueue([text = std::move(text), functionName = std::move(functionName),
                                     file = location.file_name(), line = location.line(), asynchronous] {
        elclog::ELCLog::write(text, MY_LOG_FLAG, file, functionName.c_str(), line, asynchronous);
        return "[MyLog]" + foundation::escapedLogText(text) + "\n";
    });
}

} // namespace tolvane::app
