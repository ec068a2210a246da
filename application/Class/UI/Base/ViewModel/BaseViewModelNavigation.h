#pragma once

namespace tolvane::app {

class BaseViewModel;

// The base view model's part in moving between screens: binding a screen each time it is about to
// be shown, its navigation bar, and popping the embedding host's screens. Main thread only.
class BaseViewModelNavigation {
public:
    BaseViewModelNavigation() = delete;

    static void addTransitToBlankObserver(BaseViewModel& viewModel);
    static void setupNavigationBar(BaseViewModel& viewModel);
    static void popTopViewController(BaseViewModel& viewModel);
};

} // namespace tolvane::app
