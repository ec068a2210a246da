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
    std::fprintf(stderr, "Fatal error: %.*s: file %s, line %u\n", static_cast<int>(message.size()),
                 message.data(), file.c_str(), static_cast<unsigned>(location.line()));
    std::fflush(stderr);
    std::abort();
}

} // namespace foundation
