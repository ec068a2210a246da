#pragma once

#include "foundation/Bytes.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace tolvane {

// Cuts the vehicle's byte stream into frames at the SLIP END byte. The bytes after the last END are
// kept as the pending tail, the beginning of a frame whose END has not arrived yet; it never holds an
// END. Stray bytes between two ENDs make a frame of their own, which the length checks reject.
class FrameCutter {
public:
    // A message takes at most 22 bytes on the link, so a tail this long can never become one. Capping
    // it keeps memory bounded when a peer or line noise never sends an END; valid streams never reach it.
    static constexpr size_t kMaxPendingBytes = 1024;

    // The complete frames of one cut, in stream order, each with an END at either end.
    class Frames {
    public:
        size_t size() const { return bounds_.size(); }
        bool empty() const { return bounds_.empty(); }
        std::span<const uint8_t> operator[](size_t index) const;

    private:
        friend class FrameCutter;
        struct Bounds {
            size_t openingEnd;
            size_t closingEnd;
        };

        // The cut bytes are copied once, behind an END standing for the one that opened the pending
        // tail; each frame is a view from its opening END to its closing END, so neighbours share one.
        foundation::Bytes bytes_;
        std::vector<Bounds> bounds_;
    };

    struct Cut {
        Frames frames;
        // The length of a pending tail dropped because it reached the cap; 0 when none was.
        size_t droppedBytes = 0;
    };

    // Joins `chunk` to `pending` and cuts out every complete frame; `pending` keeps the new tail.
    static Cut appendAndCut(foundation::Bytes& pending, std::span<const uint8_t> chunk);
};

} // namespace tolvane
