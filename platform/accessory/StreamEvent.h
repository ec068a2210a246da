#pragma once

namespace accessory {

// What a stream tells its delegate, on the thread of the run loop it is scheduled on.
enum class StreamEvent { openCompleted, hasBytesAvailable, hasSpaceAvailable, errorOccurred, endEncountered };

enum class StreamStatus { notOpen, open, atEnd, closed, error };

} // namespace accessory
