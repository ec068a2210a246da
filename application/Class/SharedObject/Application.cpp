#include "Class/SharedObject/Application.h"

namespace tolvane::app {

void Application::suspend()
{
    ui::Application::shared().suspend();
}

void Application::setSuspendHandler(std::function<void()> handler)
{
    ui::Application::shared().setSuspendHandler(std::move(handler));
}

} // namespace tolvane::app
