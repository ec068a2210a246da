#include "device/PowerSupplyBattery.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

namespace device {
namespace {

constexpr float kUnknownLevel = -1.0f;
constexpr float kMainsPowered = 1.0f;

// The first line of an attribute file, without surrounding blanks; none when it cannot be read.
std::optional<std::string> attribute(const std::filesystem::path& supply, const char* name)
{
    std::ifstream file(supply / name);
    std::string line;
    if (!file || !std::getline(file, line))
        return std::nullopt;
    const auto first = line.find_first_not_of(" \t\r");
    if (first == std::string::npos)
        return std::string();
    return line.substr(first, line.find_last_not_of(" \t\r") - first + 1);
}

std::optional<int> percent(const std::string& text)
{
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < 0 || value > 100)
        return std::nullopt;
    return value;
}

bool isSystemBattery(const std::filesystem::path& supply)
{
    return attribute(supply, "type") == "Battery" && attribute(supply, "scope") != "Device" && attribute(supply, "present") != "0";
}

std::optional<float> levelOf(const std::filesystem::path& supply)
{
    const auto capacity = attribute(supply, "capacity");
    if (!capacity)
        return std::nullopt;
    const auto value = percent(*capacity);
    if (!value)
        return std::nullopt;
    return static_cast<float>(*value) / 100.0f;
}

} // namespace

PowerSupplyBattery::PowerSupplyBattery(std::filesystem::path powerSupplyFolder) : folder_(std::move(powerSupplyFolder)) {}

float PowerSupplyBattery::batteryLevel() const
{
    std::error_code error;
    std::vector<std::filesystem::path> batteries;
    for (const auto& entry : std::filesystem::directory_iterator(folder_, error))
        if (isSystemBattery(entry.path()))
            batteries.push_back(entry.path());
    if (error)
        return kUnknownLevel;
    // A machine without a battery of its own runs from the mains and cannot run flat.
    if (batteries.empty())
        return kMainsPowered;
    std::sort(batteries.begin(), batteries.end());
    for (const auto& battery : batteries)
        if (const auto level = levelOf(battery))
            return *level;
    return kUnknownLevel;
}

} // namespace device
