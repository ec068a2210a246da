#pragma once

#include "ui/Rect.h"
#include "ui/ViewController.h"

#include <functional>
#include <memory>
#include <vector>

namespace ui {

class NavigationBar;

// A stack of screens under a navigation bar. Only the top screen is shown and appears; a push or
// pop calls the covered screen's viewWillDisappear, the new top's viewWillAppear, then, when the
// slide ends (on the next turn without animation), viewDidDisappear and viewDidAppear.
class NavigationController : public ViewController {
public:
    static constexpr double transitionDuration = 0.35;

    explicit NavigationController(std::shared_ptr<ViewController> root = nullptr);
    ~NavigationController() override;

    const std::vector<std::shared_ptr<ViewController>>& viewControllers() const { return children(); }
    ViewController* topViewController() const;
    void pushViewController(std::shared_ptr<ViewController> controller, bool animated);
    std::shared_ptr<ViewController> popViewController(bool animated);
    std::vector<std::shared_ptr<ViewController>> popToRootViewController(bool animated);
    std::vector<std::shared_ptr<ViewController>> popToViewController(const ViewController* controller, bool animated);
    void setViewControllers(std::vector<std::shared_ptr<ViewController>> controllers, bool animated);

    NavigationBar& navigationBar();
    bool isNavigationBarHidden() const { return barHidden_; }
    void setNavigationBarHidden(bool hidden, bool animated);

    void loadView() override;
    void viewWillLayoutSubviews() override;

protected:
    std::vector<ViewController*> childrenFollowingAppearance() const override;
    bool childViewsAppearWithWindow() const override { return false; }

private:
    enum class Direction { forward, back };

    // Shows `incoming` in place of `outgoing` with the appearance calls of a visible stack.
    void transition(std::shared_ptr<ViewController> outgoing, std::shared_ptr<ViewController> incoming, Direction direction,
                    bool animated, std::function<void()> done);
    void finishPendingTransition();
    void replaceStack(std::vector<std::shared_ptr<ViewController>> controllers, bool announceArrivals);
    Rect contentFrame() const;
    void showTopItem();
    bool isShown() const;

    std::shared_ptr<NavigationBar> bar_;
    std::shared_ptr<View> content_;
    bool barHidden_ = false;
    std::function<void()> pendingFinish_;
};

} // namespace ui
