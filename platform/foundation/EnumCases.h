#pragma once

#include <array>
#include <concepts>
#include <cstdint>
#include <optional>
#include <string_view>
#include <type_traits>
#include <utility>

namespace foundation {

// The cases of an enumeration in declaration order, which need not be the order of their raw
// values. Specialised next to each enumeration that needs it:
//
//   template <>
//   struct foundation::EnumCases<tolvane::BtId> {
//       static constexpr std::array all{tolvane::BtId::none, tolvane::BtId::operation, ...};
//   };
template <typename E>
struct EnumCases;

template <typename E>
constexpr bool casesAreDistinct()
{
    const auto& cases = EnumCases<E>::all;
    for (size_t i = 0; i < cases.size(); ++i)
        for (size_t j = i + 1; j < cases.size(); ++j)
            if (cases[i] == cases[j])
                return false;
    return true;
}

template <typename E>
constexpr const auto& allCases()
{
    static_assert(casesAreDistinct<E>(), "an enumeration's case list names a case twice");
    return EnumCases<E>::all;
}

template <typename E>
    requires std::is_enum_v<E>
constexpr std::underlying_type_t<E> rawValue(E value)
{
    return static_cast<std::underlying_type_t<E>>(value);
}

// Enumerations whose every raw value is a byte, whatever their raw type: the receive path reads
// several such fields from every frame, where a walk over the case list cost more than the decoding.
template <typename E>
constexpr bool hasByteRaw = [] {
    if constexpr (!std::is_unsigned_v<std::underlying_type_t<E>>) {
        return false;
    } else {
        for (E value : allCases<E>())
            if (rawValue(value) > 0xFF)
                return false;
        return true;
    }
}();

// For enumerations with byte raw values: whether each of the 256 byte values names a case.
template <typename E>
    requires hasByteRaw<E>
inline constexpr std::array<bool, 256> kNamedByteValues = [] {
    std::array<bool, 256> named{};
    for (E value : allCases<E>())
        named[rawValue(value)] = true;
    return named;
}();

// The case with raw value `raw`, or none for every other value, including values that do not fit
// the raw type (0x100 is no case of a one-byte enumeration, not case 0).
template <typename E, std::integral Raw>
constexpr std::optional<E> fromRaw(Raw raw)
{
    if constexpr (hasByteRaw<E>) {
        if (!std::in_range<uint8_t>(raw) || !kNamedByteValues<E>[static_cast<uint8_t>(raw)])
            return std::nullopt;
        return static_cast<E>(raw);
    } else {
        for (E value : allCases<E>()) {
            if (std::cmp_equal(rawValue(value), raw))
                return value;
        }
        return std::nullopt;
    }
}

// The case whose text raw value is `raw`, for enumerations that declare
// `std::string_view rawValue(E)` beside them.
template <typename E>
constexpr std::optional<E> fromRaw(std::string_view raw)
{
    for (E value : allCases<E>()) {
        if (rawValue(value) == raw)
            return value;
    }
    return std::nullopt;
}

} // namespace foundation
