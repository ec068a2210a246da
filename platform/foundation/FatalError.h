#pragma once

#include <source_location>
#include <string_view>

namespace foundation {

// A programming fault: prints "Fatal error: <message>: file <file>, line <line>" and ends the process.
[[noreturn]] void fatalError(std::string_view message,
                             std::source_location location = std::source_location::current());
// The same, naming the file and line the caller gives (for faults reported by a fixed position).
[[noreturn]] void fatalError(std::string_view message, std::string_view file, unsigned line);

} // namespace foundation
