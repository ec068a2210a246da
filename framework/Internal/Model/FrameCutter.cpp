#include "Internal/Model/FrameCutter.h"

#include "Internal/Model/SLIP.h"

#include <algorithm>
#include <cstring>

namespace tolvane {

namespace {

constexpr uint8_t END = foundation::rawValue(SLIP::CODE::END);

} // namespace

std::span<const uint8_t> FrameCutter::Frames::operator[](size_t index) const
{
    const Bounds& bounds = bounds_[index];
    return std::span<const uint8_t>(bytes_).subspan(bounds.openingEnd, bounds.closingEnd - bounds.openingEnd + 1);
}

FrameCutter::Cut FrameCutter::appendAndCut(foundation::Bytes& pending, std::span<const uint8_t> chunk)
{
    Cut cut;
    const auto lastEnd = std::find(chunk.rbegin(), chunk.rend(), END);
    if (lastEnd == chunk.rend()) {
        pending.insert(pending.end(), chunk.begin(), chunk.end());
    } else {
        const auto tail = lastEnd.base();
        foundation::Bytes& bytes = cut.frames.bytes_;
        bytes.reserve(1 + pending.size() + static_cast<size_t>(tail - chunk.begin()));
        bytes.push_back(END);
        bytes.insert(bytes.end(), pending.begin(), pending.end());
        bytes.insert(bytes.end(), chunk.begin(), tail);
        pending.assign(tail, chunk.end());
        // A message takes at least 13 bytes with its ENDs; shorter pieces are rare noise.
        cut.frames.bounds_.reserve(bytes.size() / 13 + 1);
        size_t opening = 0;
        while (opening + 1 < bytes.size()) {
            const auto* next = static_cast<const uint8_t*>(
                std::memchr(bytes.data() + opening + 1, END, bytes.size() - opening - 1));
            const auto closing = static_cast<size_t>(next - bytes.data());
            // Empty pieces between two ENDs are no frames.
            if (closing > opening + 1)
                cut.frames.bounds_.push_back({opening, closing});
            opening = closing;
        }
    }
    if (pending.size() >= kMaxPendingBytes) {
        cut.droppedBytes = pending.size();
        pending.clear();
    }
    return cut;
}

} // namespace tolvane
