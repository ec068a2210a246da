#pragma once

#include "Class/UI/Base/View/TolvaneBaseViewController.h"

#include <memory>

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

} // namespace tolvane::app
