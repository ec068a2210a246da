#pragma once

#include <cstdint>
#include <span>

namespace tolvane {

// A message's checksum: the low 8 bits of the sum of a fixed list of its field values, each field
// taken on its own (a 2-bit field adds 0-3, not the byte it shares). It is not the sum of the
// message's bytes.
uint32_t checkSum(std::span<const int64_t> fieldValues);

} // namespace tolvane
