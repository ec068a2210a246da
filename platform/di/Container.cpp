#include "di/Container.h"

namespace di {

ServiceEntry& ServiceEntry::inObjectScope(ObjectScope scope)
{
    container_.setScope(type_, scope);
    return *this;
}

Container& Container::defaultContainer()
{
    static Container container;
    return container;
}

ServiceEntry Container::registerErased(std::type_index type, ErasedFactory factory)
{
    std::lock_guard lock(mutex_);
    registrations_[type] = Registration{std::move(factory), ObjectScope::graph, nullptr};
    return ServiceEntry(*this, type);
}

void Container::setScope(std::type_index type, ObjectScope scope)
{
    std::lock_guard lock(mutex_);
    if (auto it = registrations_.find(type); it != registrations_.end())
        it->second.scope = scope;
}

std::shared_ptr<void> Container::resolveErased(std::type_index type)
{
    std::lock_guard lock(mutex_);
    auto it = registrations_.find(type);
    if (it == registrations_.end())
        return nullptr;
    if (it->second.scope == ObjectScope::container && it->second.instance)
        return it->second.instance;
    if (it->second.scope == ObjectScope::graph)
        if (auto cached = graphInstances_.find(type); cached != graphInstances_.end())
            return cached->second;

    // The factory may resolve further services and even re-register; take a copy first.
    ErasedFactory factory = it->second.factory;
    ++resolveDepth_;
    std::shared_ptr<void> instance = factory(*this);
    --resolveDepth_;

    it = registrations_.find(type);
    if (it != registrations_.end()) {
        if (it->second.scope == ObjectScope::container)
            it->second.instance = instance;
        else if (resolveDepth_ > 0)
            graphInstances_[type] = instance;
    }
    if (resolveDepth_ == 0)
        graphInstances_.clear();
    return instance;
}

void Container::runInitCompletedErased(std::type_index type, void* object)
{
    std::function<void(Resolver&, void*)> step;
    {
        std::lock_guard lock(mutex_);
        auto it = initCompletedSteps_.find(type);
        if (it == initCompletedSteps_.end())
            return;
        step = it->second;
    }
    step(*this, object);
}

bool Container::isRegistered(std::type_index type) const
{
    std::lock_guard lock(mutex_);
    return registrations_.count(type) > 0;
}

bool Container::hasInstance(std::type_index type) const
{
    std::lock_guard lock(mutex_);
    auto it = registrations_.find(type);
    return it != registrations_.end() && it->second.instance != nullptr;
}

void Container::removeAll()
{
    std::lock_guard lock(mutex_);
    registrations_.clear();
    graphInstances_.clear();
    assembled_.clear();
    initCompletedSteps_.clear();
}

bool Container::markAssembled(const std::string& assemblyName)
{
    std::lock_guard lock(mutex_);
    return assembled_.insert(assemblyName).second;
}

} // namespace di
