#include "foundation/FatalError.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace foundation {

void fatalError(std::string_view message, std::source_location location)
{
    std::string file = location.file_name();
    if (auto slash = file.rfind('/'); slash != std::string::npos)
        file = file.substr(slash + 1);
    fatalError(message, file, static_cast<unsigned>(location.line()));
}

void fatalError(std::string_view message, std::string_view file, unsigned line)
{
    std::fprintf(stderr, "Fatal error: %.*s: file %.*s, line %u\n", static_cast<int>(message.size()), message.data(),
                 static_cast<int>(file.size()), file.data(), line);
    std::fflush(stderr);
    std::abort();
}

} // namespace foundation
