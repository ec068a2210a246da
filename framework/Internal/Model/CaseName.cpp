#include "Internal/Model/CaseName.h"

#include <array>
#include <string_view>

namespace tolvane {
namespace {

using foundation::allCases;

template <class E, size_t N>
std::string nameIn(const std::array<std::string_view, N>& names, E value, std::string_view typeName)
{
    const auto index = static_cast<size_t>(value);
    if (index < names.size())
        return std::string(names[index]);
    return std::string(typeName) + "(" + std::to_string(index) + ")";
}

#define TOLVANE_CASE_NAME(name) #name,
constexpr std::array<std::string_view, allCases<RequiredDisplayId>().size()> displayIdNames{
    TOLVANE_REQUIRED_DISPLAY_IDS(TOLVANE_CASE_NAME)};
constexpr std::array<std::string_view, allCases<CauseId>().size()> causeNames{TOLVANE_CAUSE_IDS(TOLVANE_CASE_NAME)};
constexpr std::array<std::string_view, allCases<SdkState>().size()> sdkStateNames{TOLVANE_SDK_STATES(TOLVANE_CASE_NAME)};
#undef TOLVANE_CASE_NAME

} // namespace

std::string caseName(RequiredDisplayId value)
{
    return nameIn(displayIdNames, value, "RequiredDisplayId");
}

std::string caseName(CauseId value)
{
    return nameIn(causeNames, value, "CauseId");
}

std::string caseName(SdkState value)
{
    return nameIn(sdkStateNames, value, "SdkState");
}

} // namespace tolvane
