#pragma once

#include "Internal/Model/SmpOperation.h"
#include "foundation/Bytes.h"

namespace tolvane {

// The byte layout of the one message the phone sends: the operation record packed into 11 bytes,
// its counter scrambled, its checksum formed over the field values, framed for the link.
class OperationMessageEncoder {
public:
    // 13 to 24 bytes: the frame of one operation message built from `operation`.
    static foundation::Bytes encodingOperationCode(const SmpOperation& operation);
};

} // namespace tolvane
