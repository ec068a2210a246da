#pragma once

#include <algorithm>
#include <initializer_list>
#include <optional>

namespace foundation {

// Whether `value` is in the listed set, as the tables of display ids and causes read.
template <class T>
constexpr bool isOneOf(const T& value, std::initializer_list<T> set)
{
    return std::find(set.begin(), set.end(), value) != set.end();
}

// A missing value is in no set.
template <class T>
constexpr bool isOneOf(const std::optional<T>& value, std::initializer_list<T> set)
{
    return value && isOneOf(*value, set);
}

} // namespace foundation
