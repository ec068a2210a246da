#pragma once

#include "di/Container.h"
#include "foundation/FatalError.h"

#include <memory>
#include <source_location>

namespace tolvane::app {

// The shared container's `Service`; a view that cannot work without it stops the process, naming the
// caller's file and line.
template <class Service>
std::shared_ptr<Service> resolveOrStop(std::source_location location = std::source_location::current())
{
    auto service = di::Container::defaultContainer().resolve<Service>();
    if (!service)
        foundation::fatalError("Fatal error", location.file_name(), location.line());
    return service;
}

} // namespace tolvane::app
