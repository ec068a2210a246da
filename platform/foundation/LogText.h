#pragma once

#include <string>
#include <string_view>

namespace foundation {

// Text from outside the program (a unit's name, a peer's bytes, a file's contents) made safe for a
// log line: tabs and line breaks separate fields and lines, other control characters can rewrite
// what a terminal shows, and bidirectional controls reorder what a reader sees. Each of them, and
// each byte that is not UTF-8, is written as an escape ("\t", "\n", "\r", "\x1B", "\u{202E}");
// everything else is kept as it is.
void appendEscapedLogText(std::string& out, std::string_view text);
std::string escapedLogText(std::string_view text);

} // namespace foundation
