#pragma once

#include "di/Assembly.h"

namespace tolvane {

// The framework's one entry point: creating it registers every framework service in the process-wide
// container, where the application resolves the public ones. Nothing is built until it is first
// resolved. Create it once, on the main thread, before resolving any framework service; the
// registrations and the services stay in the container after it is gone.
class TolvaneFramework {
public:
    TolvaneFramework();

private:
    const di::Assembler assember;
};

} // namespace tolvane
