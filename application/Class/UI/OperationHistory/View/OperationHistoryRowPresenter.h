#pragma once

#include "Class/Model/CarRecord.h"
#include "Class/Model/TolvaneControlHistory.h"

#include "foundation/LocalizedDateFormatter.h"

#include <string>
#include <vector>

namespace tolvane::app {

// The texts of one history row. One date formatter serves every row: each row sets its locale and
// its own time zone, so every time of a run shows as the clock read where it ran.
class OperationHistoryRowPresenter {
public:
    struct Texts {
        std::string carName;
        std::string result;
        std::string startDate;
        std::string start;
        std::string endDate;
        std::string endEvent;

        bool operator==(const Texts&) const = default;
    };

    Texts texts(const TolvaneControlHistory& row, const std::vector<CarRecord>& cars);
    // Date and 24-hour time in the current locale's order; the date is cut at its first blank.
    std::string formatDate(foundation::Date date);

private:
    foundation::LocalizedDateFormatter dateFormatter_;
};

} // namespace tolvane::app
