#include "Class/UI/OperationHistory/View/OperationHistoryViewController.h"

#include "Class/Model/CarRecordStore.h"
#include "Class/UI/Base/View/DesignScale.h"
#include "Class/UI/Base/View/NavigationTitleLabel.h"
#include "Class/UI/Base/View/TextLanguages.h"
#include "Class/UI/OperationHistory/View/OperationHistoryCell.h"
#include "Class/UI/Settings/View/MenuStyle.h"

#include "R.h"

#include "foundation/FatalError.h"
#include "ui/Label.h"
#include "ui/Layer.h"
#include "ui/NavigationBar.h"
#include "ui/NavigationController.h"
#include "ui/NavigationItem.h"
#include "ui/NibRegistry.h"

#include <limits>

namespace tolvane::app {
namespace {

constexpr const char* CELL_NIB = "OperationHistoryCell";
constexpr double HEADING_HEIGHT = 76;

} // namespace

void OperationHistoryViewController::viewDidLoad()
{
    ScreenViewController::viewDidLoad();
    if (!viewModel)
        foundation::fatalError("OperationHistoryViewController has no view model");
    setupNavigationBar();
    const auto languages = textLanguages();
    titleLabel = std::make_shared<ui::Label>();
    titleLabel->setFont(ui::Font::systemFont(22, ui::FontWeight::bold));
    titleLabel->setTextColor(MenuStyle::text());
    titleLabel->setText(R::string::localizable::OparationHistory_ViewName(languages));
    subTitleLabel = std::make_shared<ui::Label>();
    subTitleLabel->setFont(ui::Font::systemFont(14));
    subTitleLabel->setTextColor(MenuStyle::secondaryText());
    subTitleLabel->setText(R::string::localizable::OparationHistory_Description(languages));
    viewModel->loadOperationHistories();

    operationHistoryTableView = std::make_shared<ui::TableView>();
    operationHistoryTableView->registerCell(OperationHistoryCell::REUSE_IDENTIFIER, [] {
        auto cell = std::dynamic_pointer_cast<ui::TableViewCell>(ui::NibRegistry::shared().instantiate(CELL_NIB));
        return cell ? cell : std::make_shared<ui::TableViewCell>(OperationHistoryCell::REUSE_IDENTIFIER);
    });
    auto self = std::static_pointer_cast<OperationHistoryViewController>(shared_from_this());
    operationHistoryTableView->setDelegate(std::static_pointer_cast<ui::ITableViewDelegate>(self));
    operationHistoryTableView->setDataSource(std::static_pointer_cast<ui::ITableViewDataSource>(self));
    operationHistoryTableView->setTableFooterView(std::make_shared<ui::View>());
    operationHistoryTableView->setSeparatorInset({.top = 0, .left = SEPARATOR_INSET * DesignScale::horizontal(), .bottom = 0, .right = 0});

    view().setBackgroundColor(ui::Color::white(1));
    view().addSubview(titleLabel);
    view().addSubview(subTitleLabel);
    view().addSubview(operationHistoryTableView);
}

void OperationHistoryViewController::viewWillAppear(bool animated)
{
    ScreenViewController::viewWillAppear(animated);
    navigationItem().setTitleView(makeNavigationTitleLabel(R::string::localizable::OperationHistory_Title(textLanguages())));
    reloadRows();
}

void OperationHistoryViewController::reloadRows()
{
    registeredCars_ = CarRecordStore::shared().loadCarRecords().value_or(std::vector<CarRecord>{});
    operationHistoryTableView->reloadData();
}

void OperationHistoryViewController::viewWillLayoutSubviews()
{
    ScreenViewController::viewWillLayoutSubviews();
    if (auto* navigation = navigationController())
        navigation->navigationBar().layer().removeAllAnimations();
    const ui::Rect bounds = view().bounds();
    const double width = bounds.width() - 2 * MenuStyle::margin;
    titleLabel->setFrame({MenuStyle::margin, 14, width, 28});
    subTitleLabel->setFrame({MenuStyle::margin, 44, width, 20});
    const ui::Rect table{0, HEADING_HEIGHT, bounds.width(), bounds.height() - HEADING_HEIGHT};
    if (operationHistoryTableView->frame() != table) {
        operationHistoryTableView->setFrame(table);
        reloadRows();
    }
}

void OperationHistoryViewController::tapNavigationButtonLeave()
{
    if (auto* navigation = navigationController())
        navigation->popViewController(true);
}

int OperationHistoryViewController::numberOfRows(ui::TableView&, int)
{
    const auto& list = viewModel->operationHistoryList();
    return list ? static_cast<int>(list->size()) : 0;
}

std::optional<double> OperationHistoryViewController::heightForRow(ui::TableView&, const ui::IndexPath&)
{
    return CELL_HEIGHT * DesignScale::vertical();
}

double OperationHistoryViewController::heightForHeader(ui::TableView&, int)
{
    return std::numeric_limits<double>::min();
}

std::shared_ptr<ui::TableViewCell> OperationHistoryViewController::cellForRow(ui::TableView& table, const ui::IndexPath& indexPath)
{
    const auto& list = viewModel->operationHistoryList();
    if (!list || indexPath.row < 0 || static_cast<size_t>(indexPath.row) >= list->size())
        return std::make_shared<ui::TableViewCell>();
    const auto texts = presenter_.texts((*list)[static_cast<size_t>(indexPath.row)], registeredCars_);
    auto cell = std::dynamic_pointer_cast<OperationHistoryCell>(table.dequeueReusableCell(OperationHistoryCell::REUSE_IDENTIFIER, indexPath));
    if (!cell)
        return std::make_shared<ui::TableViewCell>();
    cell->carNameLabel->setText(texts.carName);
    cell->resultLabel->setText(texts.result);
    cell->startDateLabel->setText(texts.startDate);
    cell->startLabel->setText(texts.start);
    cell->endDateLabel->setText(texts.endDate);
    cell->endEventLabel->setText(texts.endEvent);
    cell->setNeedsLayout();
    return cell;
}

} // namespace tolvane::app
