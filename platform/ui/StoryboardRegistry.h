#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>

namespace di {
class Container;
}

namespace ui {

class ViewController;

// Storyboards are code: one builder per storyboard name makes its initial controller with the view
// tree, outlets, content and actions. Every controller made here has been through the container's
// init-completed step before it is returned.
class StoryboardRegistry {
public:
    using Builder = std::function<std::shared_ptr<ViewController>()>;

    static StoryboardRegistry& shared();

    void registerStoryboard(const std::string& name, Builder builder);
    // A further scene of the storyboard, made by its identifier.
    void registerScene(const std::string& name, const std::string& identifier, Builder builder);
    // Forgets the storyboard with its scenes.
    void remove(const std::string& name);
    bool contains(const std::string& name) const { return builders_.count(name) > 0; }

    // Null when the storyboard is unknown or has no initial controller.
    std::shared_ptr<ViewController> instantiateInitialViewController(const std::string& name, di::Container& container) const;
    std::shared_ptr<ViewController> instantiateInitialViewController(const std::string& name) const;
    // Null when the storyboard has no scene with that identifier.
    std::shared_ptr<ViewController> instantiateViewController(const std::string& name, const std::string& identifier,
                                                              di::Container& container) const;
    std::shared_ptr<ViewController> instantiateViewController(const std::string& name, const std::string& identifier) const;

private:
    static std::shared_ptr<ViewController> build(const Builder& builder, di::Container& container);

    std::map<std::string, Builder> builders_;
    std::map<std::pair<std::string, std::string>, Builder> scenes_;
};

// A typed reference to one storyboard, as the generated resource accessors give them.
template <class Controller>
struct StoryboardReference {
    const char* name;

    // The initial controller, or null when there is none of this class.
    std::shared_ptr<Controller> instantiateInitialViewController() const
    {
        return std::dynamic_pointer_cast<Controller>(StoryboardRegistry::shared().instantiateInitialViewController(name));
    }

    // The scene with that identifier, or null when there is none.
    std::shared_ptr<Controller> instantiateViewController(const std::string& identifier) const
    {
        return std::dynamic_pointer_cast<Controller>(StoryboardRegistry::shared().instantiateViewController(name, identifier));
    }
};

} // namespace ui
