#pragma once

#include "foundation/RunLoop.h"
#include "rx/Publisher.h"

namespace rx {

// The hop to the main run loop: values are delivered as posted tasks there, in order.
template <class T>
Publisher<T> receiveOnMain(const Publisher<T>& publisher)
{
    return publisher.receiveOn([](std::function<void()> task) { foundation::RunLoop::main().post(std::move(task)); });
}

} // namespace rx
