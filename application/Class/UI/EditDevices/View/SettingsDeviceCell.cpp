#include "Class/UI/EditDevices/View/SettingsDeviceCell.h"

#include "Class/UI/Base/View/DesignScale.h"
#include "Class/UI/Settings/View/MenuStyle.h"

#include "ui/ImageView.h"
#include "ui/Label.h"

namespace tolvane::app {

SettingsDeviceCell::SettingsDeviceCell()
    : ui::TableViewCell(REUSE_IDENTIFIER), checkImage(std::make_shared<ui::ImageView>()),
      arrowImage(std::make_shared<ui::ImageView>()), deviceName(std::make_shared<ui::Label>())
{
    checkImage->setContentMode(ui::ContentMode::scaleAspectFit);
    arrowImage->setContentMode(ui::ContentMode::scaleAspectFit);
    deviceName->setFont(ui::Font::systemFont(17, ui::FontWeight::medium));
    deviceName->setTextColor(MenuStyle::text());
    contentView().addSubview(checkImage);
    contentView().addSubview(deviceName);
    contentView().addSubview(arrowImage);
}

void SettingsDeviceCell::layoutSubviews()
{
    ui::TableViewCell::layoutSubviews();
    const ui::Rect bounds = contentView().bounds();
    const double size = MenuStyle::iconSize;
    const double top = (bounds.height() - size) / 2;
    checkImage->setFrame({MenuStyle::margin, top, size, size});
    arrowImage->setFrame({bounds.width() - MenuStyle::margin - size, top, size, size});
    const double nameLeft = DEVICE_NAME_LEFT * DesignScale::horizontal();
    deviceName->setFrame({nameLeft, 0, arrowImage->frame().x() - MenuStyle::margin - nameLeft, bounds.height()});
}

} // namespace tolvane::app
