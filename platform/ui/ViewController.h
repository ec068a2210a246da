#pragma once

#include "ui/NavigationItem.h"
#include "ui/Responder.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace ui {

class IViewControllerTransitioningDelegate;
class NavigationController;
class Presentation;
class PresentationController;
class TransitionCoordinator;
class View;

enum class ModalPresentationStyle { fullScreen, custom };
enum class UserInterfaceStyle { unspecified, light, dark };

struct InterfaceOrientationMask {
    static constexpr unsigned portrait = 1u << 1;
    static constexpr unsigned landscapeLeft = 1u << 4;
    static constexpr unsigned landscapeRight = 1u << 3;
    static constexpr unsigned portraitUpsideDown = 1u << 2;
    static constexpr unsigned allButUpsideDown = portrait | landscapeLeft | landscapeRight;
};

// Owns one screen's root view, made on first use, and goes through the platform's lifecycle:
// viewDidLoad once, then for every appearance viewWillAppear and viewDidAppear, and for every
// disappearance viewWillDisappear and viewDidDisappear, in the order the navigation and
// presentation transitions give.
class ViewController : public Responder, public std::enable_shared_from_this<ViewController> {
public:
    using Completion = std::function<void()>;

    ViewController();
    ~ViewController() override;
    ViewController(const ViewController&) = delete;
    ViewController& operator=(const ViewController&) = delete;

    // The root view, loaded (loadView, then viewDidLoad) on first use.
    View& view();
    std::shared_ptr<View> viewPointer();
    bool isViewLoaded() const { return view_ != nullptr; }
    // Replaces the root view; the new one is laid out as this controller's view.
    void setView(std::shared_ptr<View> view);

    virtual void loadView();
    virtual void viewDidLoad() {}
    virtual void viewWillAppear(bool animated);
    virtual void viewDidAppear(bool animated);
    virtual void viewWillDisappear(bool animated);
    virtual void viewDidDisappear(bool animated);
    virtual void viewWillLayoutSubviews() {}
    virtual void viewDidLayoutSubviews() {}
    virtual void willMoveToParent(ViewController* parent);
    virtual void didMoveToParent(ViewController* parent);
    virtual bool shouldAutorotate() const { return true; }
    virtual unsigned supportedInterfaceOrientations() const { return InterfaceOrientationMask::allButUpsideDown; }

    const std::optional<std::string>& title() const { return title_; }
    void setTitle(std::optional<std::string> title) { title_ = std::move(title); }
    NavigationItem& navigationItem() { return navigationItem_; }
    UserInterfaceStyle overrideUserInterfaceStyle() const { return interfaceStyle_; }
    void setOverrideUserInterfaceStyle(UserInterfaceStyle style) { interfaceStyle_ = style; }

    // Containment. Adding a child does not add its view; a child whose view joins the window of an
    // appeared parent appears with it.
    ViewController* parent() const { return parent_; }
    const std::vector<std::shared_ptr<ViewController>>& children() const { return children_; }
    void addChild(std::shared_ptr<ViewController> child);
    void removeFromParent();
    NavigationController* navigationController() const;

    // Modal presentation. Presenting from a controller inside a container presents from the
    // outermost one; a controller that already presents another presents nothing more.
    ModalPresentationStyle modalPresentationStyle() const { return presentationStyle_; }
    void setModalPresentationStyle(ModalPresentationStyle style) { presentationStyle_ = style; }
    void setTransitioningDelegate(std::weak_ptr<IViewControllerTransitioningDelegate> delegate) { transitioningDelegate_ = std::move(delegate); }
    std::shared_ptr<IViewControllerTransitioningDelegate> transitioningDelegate() const { return transitioningDelegate_.lock(); }
    virtual void present(std::shared_ptr<ViewController> controller, bool animated, Completion completion = {});
    // Dismisses what this controller presents, or this controller when it was presented.
    virtual void dismiss(bool animated, Completion completion = {});
    ViewController* presentedViewController() const;
    ViewController* presentingViewController() const;
    // From a dismissal's request (also one waiting for the presentation to end) to its end.
    bool isBeingDismissed() const;
    PresentationController* presentationController() const { return presentationController_.get(); }
    // The coordinator of the transition this controller takes part in, or null.
    TransitionCoordinator* transitionCoordinator() const;

    bool isAppeared() const { return appearance_ == Appearance::appeared; }

    Responder* nextResponder() const override;

    // Appearance calls made by containers and transitions; calls that repeat the current state do
    // nothing, and children whose views are in the window follow unless a container forwards itself.
    void beginAppearanceTransition(bool appearing, bool animated);
    void endAppearanceTransition();

protected:
    // The children that appear and disappear with this controller: those whose views are shown.
    virtual std::vector<ViewController*> childrenFollowingAppearance() const;
    // False for containers that decide themselves when a child appears (a navigation stack).
    virtual bool childViewsAppearWithWindow() const { return true; }
    // For containers that keep their children in an order of their own.
    std::vector<std::shared_ptr<ViewController>>& childList() { return children_; }

private:
    friend class Presentation;
    friend class View;

    enum class Appearance { disappeared, appearing, appeared, disappearing };

    void viewMovedToWindow(bool inWindow);
    ViewController* outermost();

    std::shared_ptr<View> view_;
    std::optional<std::string> title_;
    NavigationItem navigationItem_;
    UserInterfaceStyle interfaceStyle_ = UserInterfaceStyle::unspecified;
    ViewController* parent_ = nullptr;
    std::vector<std::shared_ptr<ViewController>> children_;
    Appearance appearance_ = Appearance::disappeared;
    bool appearanceAnimated_ = false;
    ModalPresentationStyle presentationStyle_ = ModalPresentationStyle::fullScreen;
    std::weak_ptr<IViewControllerTransitioningDelegate> transitioningDelegate_;
    std::shared_ptr<ViewController> presented_;
    ViewController* presenting_ = nullptr;
    std::shared_ptr<PresentationController> presentationController_;
    std::shared_ptr<Presentation> presentation_;
};

} // namespace ui
