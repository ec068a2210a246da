#include "Class/UI/Registration/ViewModel/CarPictureFileName.h"

#include <cstdint>
#include <cstdio>

namespace tolvane::app {
namespace {

constexpr size_t kChecksumLength = 17; // "-" and 16 hex digits

bool isSafe(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == '_';
}

// 64-bit FNV-1a: the same on every run and machine, unlike std::hash.
std::string checksum(const std::string& text)
{
    uint64_t hash = 14695981039346656037ull;
    for (unsigned char c : text) {
        hash ^= c;
        hash *= 1099511628211ull;
    }
    char digits[17];
    std::snprintf(digits, sizeof digits, "%016llx", static_cast<unsigned long long>(hash));
    return std::string("-") + digits;
}

} // namespace

std::optional<std::string> CarPictureFileName::forSerialNumber(const std::string& serialNumber)
{
    if (serialNumber.empty())
        return std::nullopt;
    std::string stem;
    bool changed = false;
    for (char c : serialNumber) {
        changed = changed || !isSafe(c);
        stem += isSafe(c) ? c : '_';
    }
    if (changed || stem.size() > MAX_STEM_LENGTH) {
        stem.resize(std::min(stem.size(), MAX_STEM_LENGTH - kChecksumLength));
        stem += checksum(serialNumber);
    }
    return stem + ".png";
}

} // namespace tolvane::app
