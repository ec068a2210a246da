#include "Class/SharedObject/Application.h"

#include <mutex>

namespace tolvane::app {
namespace {

struct SuspendHandler {
    std::mutex mutex;
    std::function<void()> handler;
};

SuspendHandler& suspendHandler()
{
    static SuspendHandler shared;
    return shared;
}

} // namespace

void Application::suspend()
{
    std::function<void()> handler;
    {
        auto& shared = suspendHandler();
        std::lock_guard lock(shared.mutex);
        handler = shared.handler;
    }
    if (handler)
        handler();
}

void Application::setSuspendHandler(std::function<void()> handler)
{
    auto& shared = suspendHandler();
    std::lock_guard lock(shared.mutex);
    shared.handler = std::move(handler);
}

} // namespace tolvane::app
