#include "Class/Model/Utility/OpenSettingApp.h"

#include "ui/Application.h"

namespace tolvane::app {

bool openSettingApp()
{
    return ui::Application::shared().openSettings();
}

} // namespace tolvane::app
