#pragma once

#include "foundation/EnumCases.h"

#include <array>

namespace tolvane::app {

// How urgent an interruption alert is: a lower value is more urgent. A screen's alert stack holds at
// most one alert per value. Alerts of no listed kind carry the value 0, which is no case.
enum class DisplayPriority : int {
    checkBluetoothError = 1,
    checkCommunicationDisruptedError = 2,
    stopConfirmation = 3,
    dcuCsrError = 4,
    dcuIdtError = 5,
    communicationDisrupted = 6,
    checkSumError = 7,
    fixedClearSonerCounterError = 8,
    mekDisplayError = 9,
};

} // namespace tolvane::app

template <>
struct foundation::EnumCases<tolvane::app::DisplayPriority> {
    using E = tolvane::app::DisplayPriority;
    static constexpr std::array all{E::checkBluetoothError, E::checkCommunicationDisruptedError, E::stopConfirmation,
                                    E::dcuCsrError,         E::dcuIdtError,                       E::communicationDisrupted,
                                    E::checkSumError,       E::fixedClearSonerCounterError,       E::mekDisplayError};
};
