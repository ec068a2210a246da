#pragma once

#include <string>
#include <vector>

namespace tolvane::app {

// The languages a screen reads its texts in: the one the user selected.
std::vector<std::string> textLanguages();

} // namespace tolvane::app
