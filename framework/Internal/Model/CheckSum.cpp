#include "Internal/Model/CheckSum.h"

namespace tolvane {

uint32_t checkSum(std::span<const int64_t> fieldValues)
{
    // Summed modulo 2^64, which keeps the low 8 bits of the true sum and cannot overflow.
    uint64_t sum = 0;
    for (int64_t value : fieldValues)
        sum += static_cast<uint64_t>(value);
    return static_cast<uint32_t>(sum & 0xFF);
}

} // namespace tolvane
