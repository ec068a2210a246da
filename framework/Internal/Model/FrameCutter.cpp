#include "Internal/Model/FrameCutter.h"

#include "Internal/Model/SLIP.h"

#include <algorithm>

namespace tolvane {

namespace {

constexpr uint8_t END = foundation::rawValue(SLIP::CODE::END);

} // namespace

std::span<const uint8_t> FrameCutter::Frames::operator[](size_t index) const
{
    const size_t begin = index == 0 ? 0 : ends_[index - 1];
    return std::span<const uint8_t>(bytes_).subspan(begin, ends_[index] - begin);
}

void FrameCutter::Frames::add(std::span<const uint8_t> head, std::span<const uint8_t> rest)
{
    bytes_.push_back(END);
    bytes_.insert(bytes_.end(), head.begin(), head.end());
    bytes_.insert(bytes_.end(), rest.begin(), rest.end());
    bytes_.push_back(END);
    ends_.push_back(bytes_.size());
}

FrameCutter::Cut FrameCutter::appendAndCut(foundation::Bytes& pending, std::span<const uint8_t> chunk)
{
    Cut cut;
    // Room for every byte with an END added to each frame of the shortest kind.
    cut.frames.bytes_.reserve(pending.size() + chunk.size() + chunk.size() / 12 + 2);
    cut.frames.ends_.reserve(chunk.size() / 12 + 1);
    auto begin = chunk.begin();
    for (;;) {
        const auto end = std::find(begin, chunk.end(), END);
        if (end == chunk.end()) {
            pending.insert(pending.end(), begin, end);
            break;
        }
        // Empty pieces between two ENDs are no frames.
        if (!pending.empty() || end != begin) {
            cut.frames.add(pending, std::span<const uint8_t>(begin, end));
            pending.clear();
        }
        begin = end + 1;
    }
    if (pending.size() >= kMaxPendingBytes) {
        cut.droppedBytes = pending.size();
        pending.clear();
    }
    return cut;
}

} // namespace tolvane
