#pragma once

#include "di/Container.h"
#include "foundation/FatalError.h"

#include <memory>
#include <string_view>

namespace tolvane::app {

// Resolution inside an assembly's factories: a service that is missing is a programming fault that
// ends the process naming the assembly's file and the line of the failing resolution.
struct AssemblyResolution {
    std::string_view file;

    template <class Service>
    std::shared_ptr<Service> resolve(di::Resolver& resolver, unsigned line) const
    {
        auto service = resolver.resolve<Service>();
        if (!service)
            foundation::fatalError("Fatal error", file, line);
        return service;
    }
};

} // namespace tolvane::app
