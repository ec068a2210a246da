#pragma once

#include "network/URLRequest.h"
#include "network/URLResult.h"

#include <functional>
#include <memory>

namespace foundation {
class WorkerThread;
}

namespace network {

// Runs requests on a thread of its own, so that they finish whatever the caller's thread does,
// even when it blocks for their result. Needs the program's Qt application object.
class URLSession {
public:
    using CompletionHandler = std::function<void(const URLResult&)>;

    // The process's session; its thread lives as long as the process.
    static URLSession& shared();

    // Starts the request; `handler` runs exactly once, on the session's thread.
    void dataTask(URLRequest request, CompletionHandler handler);

private:
    URLSession();

    std::unique_ptr<foundation::WorkerThread> thread_;
};

} // namespace network
