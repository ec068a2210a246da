#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace foundation {

// The contents of a small regular file that someone else may have put there: none when it is
// missing, unreadable, larger than `maxBytes`, or anything but a regular file (a FIFO or a device
// such as /dev/zero is never read, and opening one never waits).
std::optional<std::string> readSmallRegularFile(const std::string& path, size_t maxBytes);

} // namespace foundation
