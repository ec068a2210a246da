#pragma once

namespace tolvane::app {

// The families of screens a pair from the vehicle leads to, as `ViewCategoryManager` sorts them.
// 12 is never produced.
namespace ViewCategory {
inline constexpr int planSelection = 1;
inline constexpr int operating = 2;
inline constexpr int arrival = 3;
inline constexpr int parkOutCompleted = 4;
inline constexpr int parkInCompleted = 5;
inline constexpr int parkInCompletedForgetHazard = 6;
inline constexpr int interruption = 7;
inline constexpr int endFirstGroup = 8;
// The end group whose stops the user settles from inside the car (the ignition-on warning).
inline constexpr int endInVehicle = 9;
inline constexpr int systemCause = 10;
inline constexpr int resume = 11;
inline constexpr int vehicleCheck = 13;
inline constexpr int vehicleCheckWithBlinker = 14;
inline constexpr int none = 15;
} // namespace ViewCategory

} // namespace tolvane::app
