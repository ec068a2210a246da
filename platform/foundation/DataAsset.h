#pragma once

#include "foundation/Bytes.h"

#include <optional>
#include <string_view>

namespace foundation {

// The data asset called `name` among the program's compiled-in resources (under ":/assets/"), or
// none when there is no such asset.
std::optional<Bytes> dataAsset(std::string_view name);

} // namespace foundation
