#include "Class/UI/Settings/View/SettingsTableViewCell.h"

#include "Class/UI/Base/View/TextLanguages.h"
#include "Class/UI/Settings/View/MenuStyle.h"

#include "R.h"

#include "ui/ImageView.h"
#include "ui/Label.h"

namespace tolvane::app {
namespace {

// The disabled arrow is the normal one lightened by half the range.
constexpr double DISABLED_ARROW_BRIGHTNESS = 0.5;
constexpr int VEHICLE_SECTION = 1;

} // namespace

SettingsTableViewCell::SettingsTableViewCell()
    : label(std::make_shared<ui::Label>()), arrowImage(std::make_shared<ui::ImageView>(R::image::icon_right_arrow()))
{
    label->setFont(MenuStyle::rowFont());
    label->setTextColor(MenuStyle::text());
    arrowImage->setContentMode(ui::ContentMode::scaleAspectFit);
    contentView().addSubview(label);
    contentView().addSubview(arrowImage);
}

void SettingsTableViewCell::setup(std::shared_ptr<ISettingsViewModel> settingsViewModel, const ui::IndexPath& indexPath, bool isEnabled)
{
    viewModel = std::move(settingsViewModel);
    setupArrowImages();
    setText(indexPath);
    if (indexPath.section != VEHICLE_SECTION)
        return;
    setUserInteractionEnabled(isEnabled);
    label->setEnabled(isEnabled);
    arrowImage->setImage(isEnabled ? enabledArrowImage : unabledArrowImage);
}

void SettingsTableViewCell::setText(const ui::IndexPath& indexPath)
{
    const auto languages = textLanguages();
    if (indexPath.section == 1 && indexPath.row == 0)
        label->setText(R::string::localizable::Settings_Edit(languages));
    else if (indexPath.section == 2 && indexPath.row == 0)
        label->setText(R::string::localizable::Settings_Tutorial(languages));
    else if (indexPath.section == 2 && indexPath.row == 1)
        label->setText(R::string::localizable::Settings_History(languages));
}

void SettingsTableViewCell::setupArrowImages()
{
    const auto arrow = R::image::icon_right_arrow();
    if (!arrow)
        return;
    enabledArrowImage = arrow;
    unabledArrowImage = arrow->adjustingBrightness(DISABLED_ARROW_BRIGHTNESS);
}

void SettingsTableViewCell::layoutSubviews()
{
    ui::TableViewCell::layoutSubviews();
    const ui::Rect bounds = contentView().bounds();
    const double size = MenuStyle::iconSize;
    arrowImage->setFrame({bounds.width() - MenuStyle::margin - size, (bounds.height() - size) / 2, size, size});
    label->setFrame({MenuStyle::margin, 0, arrowImage->frame().x() - 2 * MenuStyle::margin, bounds.height()});
}

} // namespace tolvane::app
