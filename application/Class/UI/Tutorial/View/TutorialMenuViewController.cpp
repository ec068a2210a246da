#include "Class/UI/Tutorial/View/TutorialMenuViewController.h"

#include "Class/Model/Utility/LogManager.h"
#include "Class/UI/Base/View/TextLanguages.h"
#include "Class/UI/Tutorial/View/Outlet.h"
#include "Class/UI/Tutorial/View/TutorialMenuCell.h"
#include "Class/UI/Tutorial/View/TutorialScenes.h"

#include "R.h"

#include "foundation/FatalError.h"
#include "ui/Label.h"
#include "ui/NavigationController.h"
#include "ui/NibRegistry.h"
#include "ui/ScreenMetrics.h"

namespace tolvane::app {
namespace {

namespace text = R::string::localizable;

// The main screen's size, measured once for the process.
const ui::Size& screenSize()
{
    static const ui::Size size = ui::ScreenMetrics::shared().mainBounds().size;
    return size;
}

TutorialMenuItem itemOfRow(int row)
{
    const auto item = foundation::fromRaw<TutorialMenuItem>(row);
    if (!item)
        foundation::fatalError("no tutorial menu item for row " + std::to_string(row));
    return *item;
}

} // namespace

std::string TutorialMenuViewController::menuItemTitle(TutorialMenuItem item)
{
    const auto languages = textLanguages();
    switch (item) {
    case TutorialMenuItem::Connection: return text::TutorialMenu_ConnectionTitle(languages);
    case TutorialMenuItem::ParkIn: return text::TutorialMenu_ParkInTitle(languages);
    case TutorialMenuItem::ParkOut: return text::TutorialMenu_ParkOutTitle(languages);
    case TutorialMenuItem::Movie: return text::TutorialMenu_MovieTitle(languages);
    case TutorialMenuItem::Dummy: return {};
    }
    return {};
}

std::string TutorialMenuViewController::menuItemDescription(TutorialMenuItem item)
{
    const auto languages = textLanguages();
    switch (item) {
    case TutorialMenuItem::Connection: return text::TutorialMenu_ConnectionDescription(languages);
    case TutorialMenuItem::ParkIn: return text::TutorialMenu_ParkInDescription(languages);
    case TutorialMenuItem::ParkOut: return text::TutorialMenu_ParkOutDescription(languages);
    case TutorialMenuItem::Movie: return text::TutorialMenu_MovieDescription(languages);
    case TutorialMenuItem::Dummy: return {};
    }
    return {};
}

void TutorialMenuViewController::loadView()
{
    TutorialScenes::build(*this);
}

void TutorialMenuViewController::viewDidLoad()
{
    TolvaneBaseViewController::viewDidLoad();
    setupNavigationBar();
    outlet(tutorialTitle).setText(text::TutorialMenu_Title(textLanguages()));
    ui::TableView& table = outlet(tutorialMenuList);
    table.registerCell(TutorialMenuCell::REUSE_IDENTIFIER, [] {
        return std::dynamic_pointer_cast<ui::TableViewCell>(ui::NibRegistry::shared().instantiate("TutorialMenuCell"));
    });
    auto self = std::dynamic_pointer_cast<TutorialMenuViewController>(shared_from_this());
    table.setDelegate(std::static_pointer_cast<ui::ITableViewDelegate>(self));
    table.setDataSource(std::static_pointer_cast<ui::ITableViewDataSource>(self));
    table.setSeparatorInset({0, screenSize().width * SEPARATOR_INSET / 428, 0, 0});
    // The separators end after the last row.
    table.setTableFooterView(std::make_shared<ui::View>());
}

void TutorialMenuViewController::viewWillAppear(bool animated)
{
    TolvaneBaseViewController::viewWillAppear(animated);
    auto title = std::make_shared<ui::Label>();
    title->setText(text::TutorialMenu_NaviTitle(textLanguages()));
    // On the dark bar the title takes the bar's light title style, as every screen's does.
    title->setFont(ui::Font::systemFont(18, ui::FontWeight::medium));
    title->setTextColor(ui::Color::white(1.0));
    title->sizeToFit();
    navigationItem().setTitleView(title);
}

void TutorialMenuViewController::viewDidLayoutSubviews()
{
    TolvaneBaseViewController::viewDidLayoutSubviews();
    // Rows take the table's width when they are made: a new width makes them again.
    ui::TableView& table = outlet(tutorialMenuList);
    if (table.bounds().width() != loadedTableWidth_) {
        loadedTableWidth_ = table.bounds().width();
        table.reloadData();
    }
}

void TutorialMenuViewController::tapNavigationButtonLeave()
{
    if (ui::NavigationController* navigation = navigationController())
        navigation->popViewController(true);
}

int TutorialMenuViewController::numberOfRows(ui::TableView&, int)
{
    return static_cast<int>(foundation::allCases<TutorialMenuItem>().size());
}

std::shared_ptr<ui::TableViewCell> TutorialMenuViewController::cellForRow(ui::TableView& tableView, const ui::IndexPath& indexPath)
{
    auto cell = std::dynamic_pointer_cast<TutorialMenuCell>(tableView.dequeueReusableCell(TutorialMenuCell::REUSE_IDENTIFIER, indexPath));
    if (!cell)
        return std::make_shared<ui::TableViewCell>();
    const TutorialMenuItem item = itemOfRow(indexPath.row);
    if (item == TutorialMenuItem::Dummy)
        return cell;
    outlet(cell->titleLabel).setText(menuItemTitle(item));
    outlet(cell->descriptionLabel).setText(menuItemDescription(item));
    cell->setNeedsLayout();
    return cell;
}

std::optional<double> TutorialMenuViewController::heightForRow(ui::TableView&, const ui::IndexPath& indexPath)
{
    if (indexPath.row == static_cast<int>(TutorialMenuItem::Dummy))
        return 0.0;
    return screenSize().height * CELL_HEIGHT / 926;
}

double TutorialMenuViewController::heightForHeader(ui::TableView&, int)
{
    return SECTION_SIZE;
}

void TutorialMenuViewController::didSelectRow(ui::TableView& tableView, const ui::IndexPath& indexPath)
{
    const TutorialMenuItem item = itemOfRow(indexPath.row);
    if (item == TutorialMenuItem::Dummy)
        return;
    LogManager::print("go to " + std::string(caseName(item)) + " flow", LogLevel::information,
                      {.function = "tableView(_:didSelectRowAt:)"});
    outlet(viewModel).onSelectMenuItem(item);
    tableView.deselectRow(indexPath, true);
}

} // namespace tolvane::app
