#include "ui/StoryboardRegistry.h"

#include "di/Container.h"
#include "ui/ViewController.h"

namespace ui {

StoryboardRegistry& StoryboardRegistry::shared()
{
    static StoryboardRegistry registry;
    return registry;
}

void StoryboardRegistry::registerStoryboard(const std::string& name, Builder builder)
{
    builders_[name] = std::move(builder);
}

void StoryboardRegistry::remove(const std::string& name)
{
    builders_.erase(name);
}

std::shared_ptr<ViewController> StoryboardRegistry::instantiateInitialViewController(const std::string& name, di::Container& container) const
{
    auto it = builders_.find(name);
    if (it == builders_.end() || !it->second)
        return nullptr;
    auto controller = it->second();
    if (controller)
        container.runInitCompleted(*controller);
    return controller;
}

std::shared_ptr<ViewController> StoryboardRegistry::instantiateInitialViewController(const std::string& name) const
{
    return instantiateInitialViewController(name, di::Container::defaultContainer());
}

} // namespace ui
