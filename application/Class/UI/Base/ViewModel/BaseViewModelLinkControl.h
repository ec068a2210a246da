#pragma once

#include <cstdint>

namespace tolvane::app {

class BaseViewModel;

// Opening and closing the link from a screen: opening the selected car's link, the in-app exit
// that finishes the run and ends the link, and the restart from the first page on a fresh link.
// Main thread only.
class BaseViewModelLinkControl {
public:
    BaseViewModelLinkControl() = delete;

    // Opens the selected car's link unless it is up, with `retryCount` retries unless
    // `useStoredRetryCount`.
    static void startTerminalConnection(int64_t retryCount, bool useStoredRetryCount);
    static void exitAppCycle(BaseViewModel& viewModel);
    static void popToRootAndRestart(BaseViewModel& viewModel);
};

} // namespace tolvane::app
