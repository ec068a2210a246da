#pragma once

#include "Class/UI/Base/View/CustomAlertController.h"

#include "Internal/Model/CauseId.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tolvane::app {

// What the HALT pop-up of one cause shows: its texts, its style, what becomes of the buttons the
// base view model gave it, and the statistics event of each appearance.
struct HaltMessage {
    using Text = std::string (*)(const std::vector<std::string>& languages);

    enum class Buttons {
        given,
        // One "确定" button that reports `okStatisticsKey`.
        okOnly,
        none,
    };
    enum class StatisticsMoment { beforeTexts, afterTexts };

    CauseId cause;
    Text title;
    Text message;
    // None leaves the style the pop-up was made with.
    std::optional<CustomAlertControlerStyle> style;
    Buttons buttons;
    std::string_view okStatisticsKey = {};
    std::string_view appearanceStatisticsKey = {};
    StatisticsMoment appearanceStatisticsMoment = StatisticsMoment::afterTexts;
};

// The row of `cause`; null for a cause the HALT pop-up has no texts for.
const HaltMessage* haltMessage(CauseId cause);

} // namespace tolvane::app
