#include "Class/UI/Base/View/NavigationTitleLabel.h"

#include "ui/Font.h"
#include "ui/Label.h"

namespace tolvane::app {

std::shared_ptr<ui::Label> makeNavigationTitleLabel(const std::string& text)
{
    auto title = std::make_shared<ui::Label>();
    title->setText(text);
    title->setFont(ui::Font::systemFont(18, ui::FontWeight::medium));
    title->setTextColor(ui::Color::white(1.0));
    title->sizeToFit();
    return title;
}

} // namespace tolvane::app
