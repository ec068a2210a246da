#pragma once

#include "Class/UI/Base/View/TolvaneBaseViewController.h"
#include "Class/UI/Tutorial/ViewModel/ITutorialMenuViewModel.h"

#include "ui/TableView.h"

#include <limits>
#include <memory>
#include <string>

namespace ui {
class Label;
}

namespace tolvane::app {

// The list of tutorials: connecting, parking in, parking out and further instructions, each row
// opening its flow above the menu; a fifth row of no height follows. Main thread only.
class TutorialMenuViewController final : public TolvaneBaseViewController,
                                         public ui::ITableViewDataSource,
                                         public ui::ITableViewDelegate {
public:
    using ViewModelType = ITutorialMenuViewModel;
    // Row height on the 926-point design height.
    static constexpr double CELL_HEIGHT = 98.0;
    // Section header height: the smallest positive value, so that no header shows.
    static constexpr double SECTION_SIZE = std::numeric_limits<double>::min();
    // Left separator inset on the 428-point design width.
    static constexpr double SEPARATOR_INSET = 15.0;

    std::shared_ptr<ITutorialMenuViewModel> viewModel;
    std::shared_ptr<ui::TableView> tutorialMenuList;
    std::shared_ptr<ui::Label> tutorialTitle;

    static std::string menuItemTitle(TutorialMenuItem item);
    static std::string menuItemDescription(TutorialMenuItem item);

    void loadView() override;
    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;
    void viewDidLayoutSubviews() override;
    void tapNavigationButtonLeave() override;

    // ui::ITableViewDataSource
    int numberOfRows(ui::TableView& tableView, int section) override;
    std::shared_ptr<ui::TableViewCell> cellForRow(ui::TableView& tableView, const ui::IndexPath& indexPath) override;
    // ui::ITableViewDelegate
    std::optional<double> heightForRow(ui::TableView& tableView, const ui::IndexPath& indexPath) override;
    double heightForHeader(ui::TableView& tableView, int section) override;
    void didSelectRow(ui::TableView& tableView, const ui::IndexPath& indexPath) override;

private:
    double loadedTableWidth_ = -1;
};

} // namespace tolvane::app
