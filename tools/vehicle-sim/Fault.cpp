#include "vehicle-sim/Fault.h"

#include <array>
#include <utility>

namespace vehiclesim {
namespace {

constexpr std::array<std::pair<Fault, std::string_view>, 6> kNames{{
    {Fault::badChecksum, "bad-checksum"},
    {Fault::frozenCounter, "frozen-counter"},
    {Fault::jumpingCounter, "jumping-counter"},
    {Fault::silence, "silence"},
    {Fault::abnormality, "abnormality"},
    {Fault::stall, "stall"},
}};

} // namespace

std::optional<Fault> faultFromName(std::string_view name)
{
    for (const auto& [fault, text] : kNames)
        if (text == name)
            return fault;
    return std::nullopt;
}

std::string_view faultName(Fault fault)
{
    for (const auto& [candidate, text] : kNames)
        if (candidate == fault)
            return text;
    return "?";
}

} // namespace vehiclesim
