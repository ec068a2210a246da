#include "Internal/Model/SLIP.h"

#include <algorithm>

namespace tolvane {

namespace {

constexpr uint8_t END = foundation::rawValue(SLIP::CODE::END);
constexpr uint8_t ESC = foundation::rawValue(SLIP::CODE::ESC);
constexpr uint8_t ESC_END = foundation::rawValue(SLIP::CODE::ESC_END);
constexpr uint8_t ESC_ESC = foundation::rawValue(SLIP::CODE::ESC_ESC);

// Hands every data byte of a frame to `emit`, in order.
template <class Emit>
void forEachDataByte(std::span<const uint8_t> frame, Emit emit)
{
    size_t i = 0;
    while (i < frame.size()) {
        const uint8_t byte = frame[i];
        if (byte == END) {
            ++i;
            continue;
        }
        if (byte == ESC && i + 1 < frame.size()) {
            const uint8_t next = frame[i + 1];
            if (next == ESC_END || next == ESC_ESC) {
                emit(next == ESC_END ? END : ESC);
                i += 2;
                continue;
            }
        }
        // A lone ESC stays a data byte and the byte after it is read on its own.
        emit(byte);
        ++i;
    }
}

} // namespace

foundation::Bytes SLIP::encode(std::span<const uint8_t> message)
{
    if (message.empty())
        return {};
    foundation::Bytes frame;
    frame.reserve(2 * message.size() + 2);
    frame.push_back(END);
    for (uint8_t byte : message) {
        if (byte == END) {
            frame.push_back(ESC);
            frame.push_back(ESC_END);
        } else if (byte == ESC) {
            frame.push_back(ESC);
            frame.push_back(ESC_ESC);
        } else {
            frame.push_back(byte);
        }
    }
    frame.push_back(END);
    return frame;
}

foundation::Bytes SLIP::decode(const foundation::Bytes& frame)
{
    foundation::Bytes data;
    data.reserve(frame.size());
    forEachDataByte(frame, [&data](uint8_t byte) { data.push_back(byte); });
    return data;
}

size_t SLIP::decode(std::span<const uint8_t> frame, std::span<uint8_t> out)
{
    // Most frames carry no escape and no END between their delimiters: their data is copied at once.
    auto begin = frame.begin();
    auto end = frame.end();
    while (begin != end && *begin == END)
        ++begin;
    while (end != begin && *(end - 1) == END)
        --end;
    if (std::none_of(begin, end, [](uint8_t byte) { return byte == END || byte == ESC; })) {
        const auto length = static_cast<size_t>(end - begin);
        std::copy_n(begin, std::min(length, out.size()), out.begin());
        return length;
    }
    size_t length = 0;
    forEachDataByte(frame, [&](uint8_t byte) {
        if (length < out.size())
            out[length] = byte;
        ++length;
    });
    return length;
}

} // namespace tolvane
