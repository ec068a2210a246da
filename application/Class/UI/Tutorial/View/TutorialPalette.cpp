#include "Class/UI/Tutorial/View/TutorialPalette.h"

#include "ui/AssetCatalog.h"

namespace tolvane::app {

ui::Color TutorialPalette::background()
{
    return ui::AssetCatalog::shared().color("TolvaneBg").value_or(ui::Color::rgb255(0xF2, 0xF4, 0xF8));
}

ui::Color TutorialPalette::text()
{
    return ui::AssetCatalog::shared().color("TolvaneSecondBg").value_or(ui::Color::rgb255(0x1E, 0x2A, 0x3A));
}

ui::Color TutorialPalette::accent()
{
    return ui::Color::rgb255(0x2F, 0x7D, 0xF6);
}

ui::Color TutorialPalette::muted()
{
    return ui::Color::rgb255(0x8A, 0x94, 0xA6);
}

} // namespace tolvane::app
