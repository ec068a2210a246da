#pragma once

#include <charconv>
#include <concepts>
#include <string>
#include <string_view>
#include <type_traits>

namespace tolvane::app {

// One detail of a log line: its label and the value's text ("Count: 5").
struct LabelledValue {
    template <class T>
    LabelledValue(std::string label, const T& value) : label(std::move(label)), text(describe(value))
    {
    }

    std::string label;
    std::string text;

private:
    // Text as is, true or false, whole numbers in decimal, other numbers in their shortest exact
    // form with at least one decimal ("1.0", "0.25").
    template <class T>
    static std::string describe(const T& value)
    {
        if constexpr (std::is_convertible_v<const T&, std::string_view>) {
            return std::string(std::string_view(value));
        } else if constexpr (std::same_as<T, bool>) {
            return value ? "true" : "false";
        } else if constexpr (std::is_integral_v<T>) {
            return std::to_string(value);
        } else {
            static_assert(std::is_floating_point_v<T>, "a log value is text, a truth value or a number");
            char buffer[64];
            std::string text(buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr);
            if (text.find_first_of(".einf") == std::string::npos)
                text += ".0";
            return text;
        }
    }
};

} // namespace tolvane::app
