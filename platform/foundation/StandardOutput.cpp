#include "foundation/StandardOutput.h"

#include <cstdio>

namespace foundation {

void writeToStandardOutput(std::string_view text)
{
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fflush(stdout);
}

} // namespace foundation
