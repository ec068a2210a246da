#pragma once

#include "foundation/FatalError.h"

#include <memory>
#include <source_location>

namespace tolvane::app {

// A connected outlet; an unconnected one is a fault of the screen's builder and stops the process.
template <class View>
View& outlet(const std::shared_ptr<View>& connection, std::source_location location = std::source_location::current())
{
    if (!connection)
        foundation::fatalError("Unexpectedly found nil while implicitly unwrapping an Optional value", location);
    return *connection;
}

} // namespace tolvane::app
