#pragma once

#include "foundation/FatalError.h"

#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <set>
#include <source_location>
#include <string>
#include <tuple>
#include <typeindex>

namespace di {

enum class ObjectScope {
    // One instance per container, built on first resolve.
    container,
    // A new instance per resolve, shared only within one resolution graph.
    graph,
};

class Container;
using Resolver = Container;

// A registration handle, to set the scope after registering.
class ServiceEntry {
public:
    ServiceEntry& inObjectScope(ObjectScope scope);

private:
    friend class Container;
    ServiceEntry(Container& container, std::type_index type) : container_(container), type_(type) {}
    Container& container_;
    std::type_index type_;
};

// Services registered by interface and built lazily. Resolution is guarded by a recursive mutex
// because factories resolve their collaborators, possibly from more than one thread.
class Container {
public:
    Container() = default;
    Container(const Container&) = delete;
    Container& operator=(const Container&) = delete;

    // The process-wide container every library shares.
    static Container& defaultContainer();

    // Registering an interface again replaces its entry and any instance already built.
    template <class I>
    ServiceEntry registerService(std::function<std::shared_ptr<I>(Resolver&)> factory)
    {
        auto erased = [factory = std::move(factory)](Resolver& resolver) -> std::shared_ptr<void> {
            return std::static_pointer_cast<void>(factory(resolver));
        };
        return registerErased(std::type_index(typeid(I)), std::move(erased));
    }

    // The service, or null when it is not registered.
    template <class I>
    std::shared_ptr<I> resolve()
    {
        return std::static_pointer_cast<I>(resolveErased(std::type_index(typeid(I))));
    }

    // A step run on every object of exactly class C that a storyboard makes, before anyone uses it
    // (to hand a screen its view model). Registering again for C replaces the step.
    template <class C>
    void storyboardInitCompleted(std::function<void(Resolver&, C&)> step)
    {
        auto erased = [step = std::move(step)](Resolver& resolver, void* object) { step(resolver, *static_cast<C*>(object)); };
        std::lock_guard lock(mutex_);
        initCompletedSteps_[std::type_index(typeid(C))] = std::move(erased);
    }

    // Runs the step of `object`'s exact class, if any; `object` points to the whole object.
    template <class C>
    void runInitCompleted(C& object)
    {
        runInitCompletedErased(std::type_index(typeid(object)), dynamic_cast<void*>(&object));
    }

    bool isRegistered(std::type_index type) const;
    bool hasInstance(std::type_index type) const;
    void removeAll();

    // Remembers an assembly by name; false when it was assembled into this container already.
    bool markAssembled(const std::string& assemblyName);

private:
    friend class ServiceEntry;
    using ErasedFactory = std::function<std::shared_ptr<void>(Resolver&)>;
    struct Registration {
        ErasedFactory factory;
        ObjectScope scope = ObjectScope::graph;
        std::shared_ptr<void> instance;
    };

    ServiceEntry registerErased(std::type_index type, ErasedFactory factory);
    std::shared_ptr<void> resolveErased(std::type_index type);
    void setScope(std::type_index type, ObjectScope scope);
    void runInitCompletedErased(std::type_index type, void* object);

    mutable std::recursive_mutex mutex_;
    std::map<std::type_index, Registration> registrations_;
    std::map<std::type_index, std::shared_ptr<void>> graphInstances_;
    int resolveDepth_ = 0;
    std::set<std::string> assembled_;
    std::map<std::type_index, std::function<void(Resolver&, void*)>> initCompletedSteps_;
};

// Resolves a service a caller cannot work without; a missing one is a programming fault that ends
// the process naming the caller's file and line.
template <class I>
std::shared_ptr<I> resolveOrDie(Resolver& resolver, std::source_location location = std::source_location::current())
{
    auto service = resolver.resolve<I>();
    if (!service)
        foundation::fatalError(std::string("Unable to resolve ") + typeid(I).name(), location);
    return service;
}

// Registers `Service` under `Interface`, one instance per container, built on first resolve from the
// services it depends on, which are resolved in the order given. A missing dependency ends the process
// naming it and the line of this registration.
template <class Interface, class Service, class... Dependencies>
void registerSingleton(Container& container, std::source_location location = std::source_location::current())
{
    container
        .registerService<Interface>([location](Resolver& resolver) -> std::shared_ptr<Interface> {
            (void)location; // unused when the service depends on nothing
            // A braced list is evaluated left to right.
            std::tuple<std::shared_ptr<Dependencies>...> dependencies{resolveOrDie<Dependencies>(resolver, location)...};
            return std::apply([](auto&... resolved) { return std::make_shared<Service>(resolved...); }, dependencies);
        })
        .inObjectScope(ObjectScope::container);
}

} // namespace di
