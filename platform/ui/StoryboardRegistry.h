#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>

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
    void remove(const std::string& name);
    bool contains(const std::string& name) const { return builders_.count(name) > 0; }

    // Null when the storyboard is unknown or has no initial controller.
    std::shared_ptr<ViewController> instantiateInitialViewController(const std::string& name, di::Container& container) const;
    std::shared_ptr<ViewController> instantiateInitialViewController(const std::string& name) const;

private:
    std::map<std::string, Builder> builders_;
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
};

} // namespace ui
