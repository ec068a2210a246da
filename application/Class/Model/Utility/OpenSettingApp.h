#pragma once

namespace tolvane::app {

// Opens the system's settings page of the application; false when there is none to open.
bool openSettingApp();

} // namespace tolvane::app
