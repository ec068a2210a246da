#pragma once

#include <map>
#include <string>

namespace ui {

// The text attributes a title can carry; values are the platform's integers.
enum class AttributedStringKey { underlineStyle };

enum class UnderlineStyle : int { none = 0, single = 1 };

using TextAttributes = std::map<AttributedStringKey, int>;

// A text with attributes that hold for the whole of it.
struct AttributedString {
    std::string string;
    TextAttributes attributes = {};

    bool isUnderlined() const
    {
        const auto it = attributes.find(AttributedStringKey::underlineStyle);
        return it != attributes.end() && it->second != static_cast<int>(UnderlineStyle::none);
    }
    friend bool operator==(const AttributedString&, const AttributedString&) = default;
};

} // namespace ui
