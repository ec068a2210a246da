#pragma once

#include <memory>

namespace ui {

class Application;
class Window;

// What the application object asks of the program: the answer to its launch, the window it shows,
// and the lifecycle entries it calls before posting each notice.
class IApplicationDelegate {
public:
    virtual ~IApplicationDelegate() = default;
    // False when the program cannot run.
    virtual bool applicationDidFinishLaunching(Application& application) = 0;
    virtual std::shared_ptr<Window> window() = 0;
    virtual void applicationWillResignActive(Application&) {}
    virtual void applicationDidEnterBackground(Application&) {}
    virtual void applicationWillEnterForeground(Application&) {}
    virtual void applicationWillTerminate(Application&) {}
};

} // namespace ui
