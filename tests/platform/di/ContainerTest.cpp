#include "di/Assembly.h"
#include "di/Container.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct IService {
    virtual ~IService() = default;
};
struct Service : IService {
    static inline int built = 0;
    Service() { ++built; }
};
struct IOther {
    virtual ~IOther() = default;
    virtual std::shared_ptr<IService> dependency() const = 0;
};
struct Other : IOther {
    explicit Other(std::shared_ptr<IService> s) : service(std::move(s)) {}
    std::shared_ptr<IService> dependency() const override { return service; }
    std::shared_ptr<IService> service;
};

TEST(ContainerTest, ContainerScopeBuildsLazilyAndOnce)
{
    di::Container container;
    Service::built = 0;
    container.registerService<IService>([](di::Resolver&) { return std::make_shared<Service>(); })
        .inObjectScope(di::ObjectScope::container);
    EXPECT_EQ(Service::built, 0);
    auto first = container.resolve<IService>();
    auto second = container.resolve<IService>();
    EXPECT_EQ(first, second);
    EXPECT_EQ(Service::built, 1);
}

TEST(ContainerTest, GraphScopeSharesWithinOneResolutionOnly)
{
    di::Container container;
    container.registerService<IService>([](di::Resolver&) { return std::make_shared<Service>(); });
    container.registerService<IOther>([](di::Resolver& r) { return std::make_shared<Other>(r.resolve<IService>()); });
    auto a = container.resolve<IOther>();
    auto b = container.resolve<IOther>();
    EXPECT_NE(a, b);
    EXPECT_NE(a->dependency(), b->dependency());
}

TEST(ContainerTest, UnregisteredResolvesToNullAndReRegisteringReplacesTheInstance)
{
    di::Container container;
    EXPECT_EQ(container.resolve<IService>(), nullptr);
    container.registerService<IService>([](di::Resolver&) { return std::make_shared<Service>(); })
        .inObjectScope(di::ObjectScope::container);
    auto first = container.resolve<IService>();
    container.registerService<IService>([](di::Resolver&) { return std::make_shared<Service>(); })
        .inObjectScope(di::ObjectScope::container);
    EXPECT_NE(container.resolve<IService>(), first);
}

TEST(ContainerTest, ResolveOrDieNamesTheCallersFileAndLine)
{
    di::Container container;
    EXPECT_DEATH(di::resolveOrDie<IService>(container), "Fatal error: Unable to resolve .*: file ContainerTest.cpp, line [0-9]+");
}

struct Pair {
    Pair(std::shared_ptr<IService> s, std::shared_ptr<IOther> o) : service(std::move(s)), other(std::move(o)) {}
    std::shared_ptr<IService> service;
    std::shared_ptr<IOther> other;
};

TEST(ContainerTest, ASingletonIsBuiltOnceFromItsDependenciesResolvedInOrder)
{
    di::Container container;
    std::vector<std::string> order;
    container.registerService<IService>([&order](di::Resolver&) {
        order.push_back("service");
        return std::make_shared<Service>();
    });
    container.registerService<IOther>([&order](di::Resolver& r) {
        order.push_back("other");
        return std::make_shared<Other>(r.resolve<IService>());
    });
    di::registerSingleton<Pair, Pair, IService, IOther>(container);
    EXPECT_FALSE(container.hasInstance(typeid(Pair)));
    auto pair = container.resolve<Pair>();
    EXPECT_EQ(order, (std::vector<std::string>{"service", "other"}));
    EXPECT_EQ(container.resolve<Pair>(), pair);
    EXPECT_NE(pair->service, nullptr);
}

TEST(ContainerTest, ASingletonMissingADependencyEndsTheProcessNamingItsRegistration)
{
    di::Container container;
    di::registerSingleton<IOther, Other, IService>(container);
    EXPECT_DEATH(container.resolve<IOther>(), "Fatal error: Unable to resolve .*: file ContainerTest.cpp, line [0-9]+");
}

struct CountingAssembly : di::Assembly {
    static inline int assembled = 0;
    static inline int loadedCount = 0;
    std::string name() const override { return "CountingAssembly"; }
    void assemble(di::Container& container) override
    {
        ++assembled;
        container.registerService<IService>([](di::Resolver&) { return std::make_shared<Service>(); })
            .inObjectScope(di::ObjectScope::container);
    }
    void loaded(di::Resolver&) override { ++loadedCount; }
};

TEST(ContainerTest, AssemblingTheSameAssemblyTwiceIntoOneContainerIsANoOp)
{
    di::Container container;
    CountingAssembly::assembled = CountingAssembly::loadedCount = 0;
    di::Assembler first({std::make_shared<CountingAssembly>()}, container);
    auto service = container.resolve<IService>();
    di::Assembler second({std::make_shared<CountingAssembly>()}, container);
    EXPECT_EQ(CountingAssembly::assembled, 1);
    EXPECT_EQ(CountingAssembly::loadedCount, 1);
    EXPECT_EQ(container.resolve<IService>(), service);
}

} // namespace
