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

void StoryboardRegistry::registerScene(const std::string& name, const std::string& identifier, Builder builder)
{
    scenes_[{name, identifier}] = std::move(builder);
}

void StoryboardRegistry::remove(const std::string& name)
{
    builders_.erase(name);
    std::erase_if(scenes_, [&name](const auto& scene) { return scene.first.first == name; });
}

std::shared_ptr<ViewController> StoryboardRegistry::build(const Builder& builder, di::Container& container)
{
    if (!builder)
        return nullptr;
    auto controller = builder();
    if (controller)
        container.runInitCompleted(*controller);
    return controller;
}

std::shared_ptr<ViewController> StoryboardRegistry::instantiateInitialViewController(const std::string& name, di::Container& container) const
{
    auto it = builders_.find(name);
    return it == builders_.end() ? nullptr : build(it->second, container);
}

std::shared_ptr<ViewController> StoryboardRegistry::instantiateInitialViewController(const std::string& name) const
{
    return instantiateInitialViewController(name, di::Container::defaultContainer());
}

std::shared_ptr<ViewController> StoryboardRegistry::instantiateViewController(const std::string& name, const std::string& identifier,
                                                                              di::Container& container) const
{
    auto it = scenes_.find({name, identifier});
    return it == scenes_.end() ? nullptr : build(it->second, container);
}

std::shared_ptr<ViewController> StoryboardRegistry::instantiateViewController(const std::string& name, const std::string& identifier) const
{
    return instantiateViewController(name, identifier, di::Container::defaultContainer());
}

} // namespace ui
