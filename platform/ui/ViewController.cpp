#include "ui/ViewController.h"

#include "ui/NavigationController.h"
#include "ui/Presentation.h"
#include "ui/PresentationController.h"
#include "ui/View.h"

#include <algorithm>

namespace ui {

ViewController::ViewController() = default;

ViewController::~ViewController()
{
    if (view_ && view_->controller_ == this)
        view_->controller_ = nullptr;
    for (auto& child : children_)
        child->parent_ = nullptr;
    // A controller still presented when its presenter goes would otherwise keep itself alive
    // through its own presentation.
    if (presented_) {
        presented_->presenting_ = nullptr;
        presented_->presentation_.reset();
    }
}

View& ViewController::view()
{
    return *viewPointer();
}

std::shared_ptr<View> ViewController::viewPointer()
{
    if (!view_) {
        loadView();
        if (!view_)
            setView(std::make_shared<View>());
        viewDidLoad();
    }
    return view_;
}

void ViewController::setView(std::shared_ptr<View> view)
{
    if (view_ && view_->controller_ == this)
        view_->controller_ = nullptr;
    view_ = std::move(view);
    if (view_)
        view_->controller_ = this;
}

void ViewController::loadView()
{
    setView(std::make_shared<View>());
}

void ViewController::viewWillAppear(bool) {}
void ViewController::viewDidAppear(bool) {}
void ViewController::viewWillDisappear(bool) {}
void ViewController::viewDidDisappear(bool) {}
void ViewController::willMoveToParent(ViewController*) {}
void ViewController::didMoveToParent(ViewController*) {}

void ViewController::addChild(std::shared_ptr<ViewController> child)
{
    if (!child || child->parent_ == this)
        return;
    child->removeFromParent();
    child->willMoveToParent(this);
    child->parent_ = this;
    children_.push_back(std::move(child));
}

void ViewController::removeFromParent()
{
    ViewController* parent = parent_;
    if (!parent)
        return;
    auto keepAlive = shared_from_this();
    std::erase(parent->children_, keepAlive);
    parent_ = nullptr;
    didMoveToParent(nullptr);
}

NavigationController* ViewController::navigationController() const
{
    for (ViewController* ancestor = parent_; ancestor; ancestor = ancestor->parent_)
        if (auto* navigation = dynamic_cast<NavigationController*>(ancestor))
            return navigation;
    return nullptr;
}

ViewController* ViewController::outermost()
{
    ViewController* root = this;
    while (root->parent_)
        root = root->parent_;
    return root;
}

void ViewController::present(std::shared_ptr<ViewController> controller, bool animated, Completion completion)
{
    Presentation::present(*outermost(), std::move(controller), *this, animated, std::move(completion));
}

void ViewController::dismiss(bool animated, Completion completion)
{
    ViewController* root = outermost();
    if (!root->presented_ && root->presenting_) {
        Presentation::dismiss(*root->presenting_, animated, std::move(completion));
        return;
    }
    Presentation::dismiss(*root, animated, std::move(completion));
}

bool ViewController::isBeingDismissed() const
{
    return presentation_ && presentation_->isDismissing();
}

ViewController* ViewController::presentedViewController() const
{
    ViewController* root = const_cast<ViewController*>(this);
    while (root->parent_)
        root = root->parent_;
    return root->presented_.get();
}

ViewController* ViewController::presentingViewController() const
{
    const ViewController* root = this;
    while (root->parent_)
        root = root->parent_;
    return root->presenting_;
}

TransitionCoordinator* ViewController::transitionCoordinator() const
{
    for (const ViewController* controller = this; controller; controller = controller->parent_)
        if (controller->presentation_ && controller->presentation_->coordinator())
            return controller->presentation_->coordinator();
    return nullptr;
}

Responder* ViewController::nextResponder() const
{
    if (view_ && view_->superview())
        return view_->superview();
    return presenting_;
}

std::vector<ViewController*> ViewController::childrenFollowingAppearance() const
{
    std::vector<ViewController*> following;
    for (const auto& child : children_)
        if (child->isViewLoaded() && child->view_->superview())
            following.push_back(child.get());
    return following;
}

void ViewController::beginAppearanceTransition(bool appearing, bool animated)
{
    if (appearing) {
        if (appearance_ == Appearance::appearing || appearance_ == Appearance::appeared)
            return;
        viewPointer();
        appearance_ = Appearance::appearing;
        appearanceAnimated_ = animated;
        viewWillAppear(animated);
    } else {
        if (appearance_ == Appearance::disappearing || appearance_ == Appearance::disappeared)
            return;
        appearance_ = Appearance::disappearing;
        appearanceAnimated_ = animated;
        viewWillDisappear(animated);
    }
    for (ViewController* child : childrenFollowingAppearance())
        child->beginAppearanceTransition(appearing, animated);
}

void ViewController::endAppearanceTransition()
{
    if (appearance_ == Appearance::appearing) {
        appearance_ = Appearance::appeared;
        viewDidAppear(appearanceAnimated_);
    } else if (appearance_ == Appearance::disappearing) {
        appearance_ = Appearance::disappeared;
        viewDidDisappear(appearanceAnimated_);
    } else {
        return;
    }
    for (ViewController* child : childrenFollowingAppearance())
        child->endAppearanceTransition();
}

void ViewController::viewMovedToWindow(bool inWindow)
{
    if (!parent_ || !parent_->childViewsAppearWithWindow())
        return;
    const Appearance parentState = parent_->appearance_;
    if (inWindow && (parentState == Appearance::appearing || parentState == Appearance::appeared)) {
        beginAppearanceTransition(true, false);
        if (parentState == Appearance::appeared)
            endAppearanceTransition();
    } else if (!inWindow && (appearance_ == Appearance::appearing || appearance_ == Appearance::appeared)) {
        beginAppearanceTransition(false, false);
        endAppearanceTransition();
    }
}

} // namespace ui
