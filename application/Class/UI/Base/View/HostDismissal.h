#pragma once

#include <functional>

namespace tolvane::app {

// Leaving the feature for the host application: the host's presenting controller dismisses what it
// presented, animated, and `afterDismissal` runs when that is done. In the stand-alone application
// there is no host, nothing happens, and the answer is false.
bool dismissHost(std::function<void()> afterDismissal);

} // namespace tolvane::app
