#include "Class/UI/RegistrationDevices/View/RegistrationDevicesView.h"

#include "Class/UI/Base/View/ScenePalette.h"
#include "Class/UI/RegistrationDevices/View/TerminalCell.h"

#include "ui/Label.h"
#include "ui/ScreenMetrics.h"
#include "ui/TableView.h"

namespace tolvane::app {
namespace {

constexpr double kMargin = 24;
constexpr double kTitleTop = 24;
constexpr double kTitleHeight = 64;
constexpr double kInfoHeight = 110;

} // namespace

RegistrationDevicesView::RegistrationDevicesView()
    : titleLabel(ScenePalette::label(20, true, ScenePalette::dark())), deviceList(std::make_shared<ui::TableView>()),
      carPlayLabel(ScenePalette::label(14, false, ScenePalette::muted()))
{
    setBackgroundColor(ScenePalette::background());
    titleLabel->setAdjustsFontSizeToFitWidth(true);
    titleLabel->setMinimumScaleFactor(0.7);
    deviceList->setBackgroundColor(ui::Color::clear());
    deviceList->setSeparatorColor(ui::Color::clear());
    deviceList->registerCell(TerminalCell::reuseIdentifier, [] { return std::make_shared<TerminalCell>(); });
    carPlayLabel->setAdjustsFontSizeToFitWidth(true);
    carPlayLabel->setMinimumScaleFactor(0.7);
    addSubview(titleLabel);
    addSubview(deviceList);
    addSubview(carPlayLabel);
}

void RegistrationDevicesView::layoutSubviews()
{
    const ui::Rect area = bounds();
    const double bottomInset = ui::ScreenMetrics::shared().deviceSafeAreaInsets().bottom;
    const double width = area.width() - 2 * kMargin;
    titleLabel->setFrame({kMargin, kTitleTop, width, kTitleHeight});
    const double infoTop = area.height() - bottomInset - kInfoHeight - 12;
    carPlayLabel->setFrame({kMargin, infoTop, width, kInfoHeight});
    const double listTop = kTitleTop + kTitleHeight + 12;
    deviceList->setFrame({0, listTop, area.width(), infoTop - listTop - 12});
}

} // namespace tolvane::app
