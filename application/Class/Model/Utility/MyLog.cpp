#include "Class/Model/Utility/MyLog.h"

#include "elclog/ELCLog.h"

#include "foundation/StandardOutput.h"

#include <string>

namespace tolvane::app {

void myLog(std::string_view tag, std::string_view message, bool asynchronous, std::string_view function,
           std::source_location location)
{
    std::string text = "[";
    text += tag;
    text += "] ";
    text += message;
    const std::string functionName = function.empty() ? std::string(location.function_name()) : std::string(function);
    elclog::ELCLog::write(text, MY_LOG_FLAG, location.file_name(), functionName.c_str(), location.line(), asynchronous);
    foundation::writeToStandardOutput("[MyLog]" + text + "\n");
}

} // namespace tolvane::app
