#pragma once

#include "Class/Model/CarRecord.h"

#include <optional>
#include <string>
#include <vector>

namespace tolvane::app {

// Whether the shared link is open to the car, or is being opened to it.
bool isLinkedCar(const std::string& carID);
// The first car of the list that is linked.
std::optional<CarRecord> firstLinkedCar(const std::vector<CarRecord>& records);

} // namespace tolvane::app
