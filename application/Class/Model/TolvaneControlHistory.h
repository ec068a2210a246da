#pragma once

#include "foundation/Clock.h"

#include <optional>
#include <string>

namespace tolvane::app {

// One row of the history: one run of the parking flow.
struct TolvaneControlHistory {
    // Time of the latest close write.
    std::optional<foundation::Date> closeDate = {};
    // `CarID` of the run's car.
    std::optional<std::string> deviceId = {};
    std::optional<std::string> carName = {};
    // Raw value of the latest close reason; empty for none.
    std::string eventCode = {};
    // Upper-case UUID text.
    std::string id = {};
    foundation::Date launchDate = {};
    std::string sdkVersion = {};
    // Identifier of the device's zone at the latest write.
    std::string timeZone = {};

    // `launchDate` as "yyyyMMddHHmmss" in the row's own zone (the device's when the row names no
    // known zone): the key the history is sorted by, so runs in different zones sort by their local
    // clock digits.
    std::string launchDateText() const;

    bool operator==(const TolvaneControlHistory&) const = default;
};

} // namespace tolvane::app
