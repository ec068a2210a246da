#pragma once

namespace location {

// One position of the phone or of a place, in degrees on the WGS 84 datum.
struct Location {
    double latitude = 0;
    double longitude = 0;

    // Metres from this position to `other` on the earth's surface; not a number when either is not a
    // valid position (a latitude beyond ±90°, a longitude beyond ±180°, or not a number).
    double distance(const Location& other) const;

    bool operator==(const Location&) const = default;
};

} // namespace location
