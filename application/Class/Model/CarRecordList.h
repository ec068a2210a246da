#pragma once

#include "Class/Model/CarRecord.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tolvane::app {

// The registered cars in the order of registration, as stored: {"CarRecords":[{...}, ...]}.
struct CarRecordList {
    std::vector<CarRecord> CarRecords;

    // None unless the text is an object whose "CarRecords" is an array of objects that each have
    // all five members as strings (members in any order; others are ignored). `reason` says why.
    static std::optional<CarRecordList> decode(std::string_view json, std::string* reason = nullptr);
    // Compact JSON, members in field order.
    std::string encode() const;

    bool operator==(const CarRecordList&) const = default;
};

} // namespace tolvane::app
