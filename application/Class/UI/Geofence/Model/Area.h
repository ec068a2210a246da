#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tolvane::app {

// A tower's position in degrees.
struct Coordinate {
    double latitude = 0;
    double longitude = 0;
    bool operator==(const Coordinate&) const = default;
};

// A tower's two radii in metres: the nominal radius and the half-width of the band around it.
struct Threshold {
    double warning = 0;
    double caution = 0;
    bool operator==(const Threshold&) const = default;
};

// One radio tower of the list the application ships.
struct Area {
    std::string name;
    Coordinate location;
    Threshold threshold;
    bool operator==(const Area&) const = default;
};

// The tower list read from its JSON text: a top-level array of objects, each with every key present
// and of its type (other keys are ignored). `error` says what was wrong; the areas are then empty.
struct AreaList {
    std::vector<Area> areas;
    std::string error;

    bool isValid() const { return error.empty(); }
    static AreaList decode(std::string_view json);
};

} // namespace tolvane::app
