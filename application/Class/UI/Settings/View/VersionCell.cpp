#include "Class/UI/Settings/View/VersionCell.h"

#include "Class/UI/Base/View/TextLanguages.h"
#include "Class/UI/Settings/View/MenuStyle.h"

#include "R.h"

#include "ui/Label.h"

namespace tolvane::app {

VersionCell::VersionCell() : label(std::make_shared<ui::Label>()), versionLabel(std::make_shared<ui::Label>())
{
    label->setFont(MenuStyle::rowFont());
    label->setTextColor(MenuStyle::text());
    versionLabel->setFont(MenuStyle::rowFont());
    versionLabel->setTextColor(MenuStyle::secondaryText());
    versionLabel->setTextAlignment(ui::TextAlignment::right);
    contentView().addSubview(label);
    contentView().addSubview(versionLabel);
    // The version is read, not tapped.
    setUserInteractionEnabled(false);
}

void VersionCell::setVersion(const std::string& version)
{
    label->setText(R::string::localizable::Settings_Version(textLanguages()));
    versionLabel->setText(version);
}

void VersionCell::layoutSubviews()
{
    ui::TableViewCell::layoutSubviews();
    const ui::Rect bounds = contentView().bounds();
    const double half = (bounds.width() - 2 * MenuStyle::margin) / 2;
    label->setFrame({MenuStyle::margin, 0, half, bounds.height()});
    versionLabel->setFrame({MenuStyle::margin + half, 0, half, bounds.height()});
}

} // namespace tolvane::app
