#include "Class/UI/Tutorial/View/TutorialLinkPageViewController.h"

#include "Class/Model/UserDefaultsValues.h"
#include "Class/UI/Base/View/TextLanguages.h"
#include "Class/UI/Tutorial/View/Outlet.h"

#include "R.h"

#include "ui/Application.h"
#include "ui/Button.h"

#include <array>

namespace tolvane::app {

void TutorialLinkPageViewController::setupLinkButtons()
{
    const std::array buttons{linkButton1, linkButton2, linkButton3};
    if (UserDefaultsValues::localizedString() != "ja") {
        for (const auto& button : buttons)
            outlet(button).setHidden(true);
        return;
    }
    const auto languages = textLanguages();
    const std::array titles{R::string::localizable_ja::TutorialMovie_Link(languages), R::string::localizable_ja::TutorialMovie_Link2(languages),
                            R::string::localizable_ja::TutorialMovie_Link3(languages)};
    for (size_t i = 0; i < buttons.size(); ++i)
        outlet(buttons[i]).setAttributedTitle(ui::AttributedString{titles[i], underline}, ui::ControlState::normal);
}

void TutorialLinkPageViewController::openLink(const std::string& key)
{
    const std::string address = foundation::LocalizedStrings::shared().text("Localizable_ja", key, textLanguages(), "");
    ui::Application::shared().openURL(address);
}

void TutorialLinkPageViewController::didTouchUpLink()
{
    openLink("TutorialMovie_URL");
}

void TutorialLinkPageViewController::didTouchUpLink2()
{
    openLink("TutorialMovie_URL2");
}

void TutorialLinkPageViewController::didTouchUpLink3()
{
    openLink("TutorialMovie_URL3");
}

} // namespace tolvane::app
