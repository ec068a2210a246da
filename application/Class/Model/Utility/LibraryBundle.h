#pragma once

#include "foundation/Bundle.h"

#include <memory>

namespace tolvane::app {

// The application library's own bundle: its compiled-in resources and its version.
std::shared_ptr<const foundation::Bundle> libraryBundle();
// Replaces it (tests point it at a folder of their own); null restores the compiled-in one.
void setLibraryBundle(std::shared_ptr<const foundation::Bundle> bundle);

} // namespace tolvane::app
