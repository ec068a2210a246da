#pragma once

#include "foundation/Bytes.h"
#include "foundation/EnumCases.h"

#include <cstddef>
#include <cstdint>
#include <span>

namespace tolvane {

// Framing of messages on the accessory's byte stream (the byte values of RFC 1055).
class SLIP {
public:
#define TOLVANE_SLIP_CODES(X) \
    X(END, 0xC0) /* frame delimiter */ \
    X(ESC, 0xDB) /* escape introducer */ \
    X(ESC_END, 0xDC) /* after ESC: a data byte 0xC0 */ \
    X(ESC_ESC, 0xDD) /* after ESC: a data byte 0xDB */

    enum class CODE : uint8_t {
#define TOLVANE_CASE(name, raw) name = raw,
        TOLVANE_SLIP_CODES(TOLVANE_CASE)
#undef TOLVANE_CASE
    };

    // One message as a frame: END, the escaped bytes, END. An empty message gives no frame at all.
    static foundation::Bytes encode(std::span<const uint8_t> message);
    // The data of one received frame. Every END is skipped wherever it stands, so two frames passed
    // together merge; an ESC not followed by ESC_END or ESC_ESC is kept as a data byte. Neither the
    // delimiters nor the length are checked: the receive path checks the decoded length.
    static foundation::Bytes decode(const foundation::Bytes& frame);
    // The same into `out`: writes at most out.size() bytes and returns the length of the whole data,
    // which may be larger, so a caller can check a message's length without building it on the heap.
    static size_t decode(std::span<const uint8_t> frame, std::span<uint8_t> out);
};

} // namespace tolvane

template <>
struct foundation::EnumCases<tolvane::SLIP::CODE> {
    using E = tolvane::SLIP::CODE;
    static constexpr std::array all{
#define TOLVANE_CASE(name, raw) E::name,
        TOLVANE_SLIP_CODES(TOLVANE_CASE)
#undef TOLVANE_CASE
    };
};
