#pragma once

namespace tolvane {

// What an operation-data update does with a pinned (mounted) value:
// - keep: leave the pin; a pinned value wins over the given one.
// - mount: pin the given value (an absent one clears the pin).
// - unmount: clear the pin.
enum class MountActionOfTransmissionValue {
    keep,
    mount,
    unmount,
};

} // namespace tolvane
