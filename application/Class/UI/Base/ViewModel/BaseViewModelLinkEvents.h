#pragma once

namespace tolvane::app {

class BaseViewModel;

// The base view model's reactions to the link store's reports while its screen was shown last: the
// indicator around an opening, the warning after a failed one, and the warning after a close that
// timed out. Main thread only.
class BaseViewModelLinkEvents {
public:
    BaseViewModelLinkEvents() = delete;

    static void terminalOpenWillStart(BaseViewModel& viewModel);
    static void terminalOpenDidSucceed(BaseViewModel& viewModel);
    static void onConnectionFailure(BaseViewModel& viewModel);
    static void showCloseTerminalTimeoutWarn(BaseViewModel& viewModel);
    // Closes the run's history row as ended by a close time-out.
    static void recordCloseTerminalTimeout();
};

} // namespace tolvane::app
