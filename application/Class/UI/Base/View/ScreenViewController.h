#pragma once

#include "Class/UI/Base/View/TolvaneBaseViewController.h"

#include <memory>
#include <utility>

namespace tolvane::app {

// A screen with its view model as the screen's own protocol; the container sets `viewModel` and,
// to the same object, `baseViewModel` when the screen comes out of its storyboard. `Tag` tells
// apart screens that share one view-model protocol.
template <class ViewModel, class Tag = void>
class ScreenViewController : public TolvaneBaseViewController {
public:
    using ViewModelType = ViewModel;

    std::shared_ptr<ViewModel> viewModel;
};

// A block for `screen` to give away (a subscription, a control's action, a posted task) that calls
// `method` while the screen lives and does nothing once it is gone. A method without parameters
// ignores what the block is called with.
template <class Screen, class... Parameters>
auto whileAlive(Screen* screen, void (Screen::*method)(Parameters...))
{
    std::weak_ptr<ui::ViewController> weak = screen->weak_from_this();
    return [weak, method](auto&&... arguments) {
        auto self = std::static_pointer_cast<Screen>(weak.lock());
        if (!self)
            return;
        if constexpr (sizeof...(Parameters) == 0)
            ((*self).*method)();
        else
            ((*self).*method)(std::forward<decltype(arguments)>(arguments)...);
    };
}

} // namespace tolvane::app
