#include "Class/Model/Terminal/HexByteStrings.h"

#include <cstdio>

namespace tolvane::app {

std::vector<std::string> hexByteStrings(const foundation::Bytes& data)
{
    std::vector<std::string> pieces;
    pieces.reserve(data.size());
    for (uint8_t byte : data) {
        char digits[3];
        std::snprintf(digits, sizeof digits, "%02hhX", byte);
        pieces.emplace_back(digits, 2);
    }
    return pieces;
}

std::string joined(const std::vector<std::string>& pieces, std::string_view separator)
{
    std::string text;
    for (size_t i = 0; i < pieces.size(); ++i) {
        if (i > 0)
            text += separator;
        text += pieces[i];
    }
    return text;
}

} // namespace tolvane::app
