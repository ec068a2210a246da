#pragma once

#include "Class/Model/CarRecord.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tolvane::app {

struct CarRecordListReading;

// The registered cars in the order of registration, as stored: {"CarRecords":[{...}, ...]}.
struct CarRecordList {
    std::vector<CarRecord> CarRecords;

    // None unless the text is an object whose "CarRecords" is an array of records that all read
    // (members in any order; others are ignored). `reason` says why.
    static std::optional<CarRecordList> decode(std::string_view json, std::string* reason = nullptr);

    // A record reads when all five members are text and its picture path stays inside the
    // documents folder; the records that read are kept in their order.
    static CarRecordListReading read(std::string_view json);
    // Compact JSON, members in field order.
    std::string encode() const;

    bool operator==(const CarRecordList&) const = default;
};

// What can be read of a stored car list, record by record.
struct CarRecordListReading {
    // None when the text is no list at all.
    std::optional<CarRecordList> readable;
    // How many records did not read, and why the first did not (or why the text is no list).
    size_t unreadableRecords = 0;
    std::string reason;
    bool isComplete() const { return readable && unreadableRecords == 0; }
};

} // namespace tolvane::app
