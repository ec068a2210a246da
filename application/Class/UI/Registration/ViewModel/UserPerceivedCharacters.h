#pragma once

#include <cstddef>
#include <string>

namespace tolvane::app {

// Lengths of names as a person counts them: a letter with its accents, a flag or a family emoji is
// one character however many code points or bytes it takes.
class UserPerceivedCharacters {
public:
    static size_t count(const std::string& text);
    // The first `length` characters, never splitting one.
    static std::string prefix(const std::string& text, size_t length);
};

} // namespace tolvane::app
