#pragma once

#include <functional>
#include <memory>

namespace ui {

class View;
class ViewController;

enum class TransitionKey { from, to };

// What an animator works with: the container, the two controllers and their views (a view is
// null when it does not move, as the presenter's in a custom presentation), and the call that ends
// the transition.
class TransitionContext {
public:
    TransitionContext(View& container, ViewController& from, ViewController& to, View* fromView, View* toView, bool animated,
                      std::function<void(bool)> complete);

    View& containerView() const { return container_; }
    ViewController& viewController(TransitionKey key) const { return key == TransitionKey::from ? from_ : to_; }
    View* view(TransitionKey key) const { return key == TransitionKey::from ? fromView_ : toView_; }
    bool isAnimated() const { return animated_; }
    // Ends the transition; only the first call counts.
    void completeTransition(bool didComplete);

private:
    View& container_;
    ViewController& from_;
    ViewController& to_;
    View* fromView_;
    View* toView_;
    bool animated_;
    std::function<void(bool)> complete_;
};

} // namespace ui
