#include "ui/TransitionContext.h"

namespace ui {

TransitionContext::TransitionContext(View& container, ViewController& from, ViewController& to, View* fromView, View* toView,
                                     bool animated, std::function<void(bool)> complete)
    : container_(container), from_(from), to_(to), fromView_(fromView), toView_(toView), animated_(animated), complete_(std::move(complete))
{
}

void TransitionContext::completeTransition(bool didComplete)
{
    if (auto complete = std::move(complete_)) {
        complete_ = nullptr;
        complete(didComplete);
    }
}

} // namespace ui
