#pragma once

#include "ui/Color.h"
#include "ui/EdgeInsets.h"
#include "ui/GestureRecognizer.h"
#include "ui/IndexPath.h"
#include "ui/ScrollView.h"

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace ui {

class Button;
class TableView;
class TableViewCell;

enum class TableViewCellEditingStyle { none, deleteStyle, insert };

class ITableViewDataSource {
public:
    virtual ~ITableViewDataSource() = default;
    virtual int numberOfSections(TableView&) { return 1; }
    virtual int numberOfRows(TableView& tableView, int section) = 0;
    virtual std::shared_ptr<TableViewCell> cellForRow(TableView& tableView, const IndexPath& indexPath) = 0;
    virtual bool canEditRow(TableView&, const IndexPath&) { return false; }
    virtual void commitEditing(TableView&, TableViewCellEditingStyle, const IndexPath&) {}
};

class ITableViewDelegate {
public:
    virtual ~ITableViewDelegate() = default;
    virtual std::optional<double> heightForRow(TableView&, const IndexPath&) { return std::nullopt; }
    virtual double heightForHeader(TableView&, int) { return 0; }
    virtual std::shared_ptr<View> viewForHeader(TableView&, int) { return nullptr; }
    virtual double heightForFooter(TableView&, int) { return 0; }
    virtual void didSelectRow(TableView&, const IndexPath&) {}
    virtual TableViewCellEditingStyle editingStyleForRow(TableView&, const IndexPath&) { return TableViewCellEditingStyle::deleteStyle; }
    virtual std::optional<std::string> titleForDeleteConfirmationButton(TableView&, const IndexPath&) { return std::nullopt; }
};

// Rows from a data source, stacked in sections inside a scroll view. Reloading asks for every row's
// height; cells are asked for only while their row is in sight, and a cell whose row leaves the
// sight goes back for reuse. A tap selects a row; a swipe to the left on an editable row shows its
// delete button, and a tap on that commits.
// A thin separator runs under every row between the left and right separator insets; below the last
// row the separators go on at the row height to the bottom of the table, as empty rows, unless a
// footer view ends the table.
class TableView : public ScrollView {
public:
    using CellFactory = std::function<std::shared_ptr<TableViewCell>()>;

    // Space above each section header of a point or more.
    static constexpr double automaticSectionHeaderTopPadding = 22;
    static constexpr double separatorThickness = 0.5;

    explicit TableView(const Rect& frame = {});

    void setDataSource(std::weak_ptr<ITableViewDataSource> dataSource) { dataSource_ = std::move(dataSource); }
    void setDelegate(std::weak_ptr<ITableViewDelegate> delegate) { delegate_ = std::move(delegate); }
    void registerCell(const std::string& reuseIdentifier, CellFactory factory);
    // A reused cell of that kind, or a new one; a fatal error when the kind was never registered.
    std::shared_ptr<TableViewCell> dequeueReusableCell(const std::string& reuseIdentifier, const IndexPath& indexPath);
    void reloadData();

    double rowHeight() const { return rowHeight_; }
    void setRowHeight(double height) { rowHeight_ = height; }
    // Only the left and right insets apply to separators.
    const EdgeInsets& separatorInset() const { return separatorInset_; }
    void setSeparatorInset(const EdgeInsets& insets) { separatorInset_ = insets; }
    const Color& separatorColor() const { return separatorColor_; }
    void setSeparatorColor(const Color& color) { separatorColor_ = color; }
    double sectionHeaderTopPadding() const { return sectionHeaderTopPadding_; }
    void setSectionHeaderTopPadding(double padding) { sectionHeaderTopPadding_ = padding; }
    // Placed after the last section at its own height; an empty one just ends the table.
    const std::shared_ptr<View>& tableFooterView() const { return footer_; }
    void setTableFooterView(std::shared_ptr<View> footer);
    // Where the separators are, in the table's coordinates, top to bottom.
    std::vector<Rect> separatorFrames() const;
    // The row's cell while the row is in sight; none otherwise.
    std::shared_ptr<TableViewCell> cellForRow(const IndexPath& indexPath) const;
    Rect rectForRow(const IndexPath& indexPath) const;
    std::optional<IndexPath> indexPathForRow(const Point& point) const;
    std::optional<IndexPath> indexPathForSelectedRow() const { return selected_; }
    void selectRow(const IndexPath& indexPath);
    void deselectRow(const IndexPath& indexPath, bool animated);
    std::shared_ptr<Button> deleteConfirmationButton() const { return deleteButton_; }
    // The row whose delete button a swipe to the left at this point opens, if any.
    std::optional<IndexPath> deletableRow(const Point& point);

private:
    struct Row {
        IndexPath indexPath;
        Rect frame;
        std::shared_ptr<TableViewCell> cell;
    };

    void layoutSubviews() override;
    void contentOffsetDidChange() override;
    void showVisibleRows();
    void enqueue(Row& row);
    void showSeparators();
    void addSeparator(double bottom);
    void rowTapped(const Point& point);
    void rowSwiped(const Point& point);
    void hideDeleteButton();

    std::weak_ptr<ITableViewDataSource> dataSource_;
    std::weak_ptr<ITableViewDelegate> delegate_;
    std::map<std::string, CellFactory> factories_;
    std::map<std::string, std::vector<std::shared_ptr<TableViewCell>>> reusable_;
    std::vector<Row> rows_;
    std::vector<std::shared_ptr<View>> headers_;
    std::vector<std::shared_ptr<View>> separators_;
    std::shared_ptr<View> footer_;
    std::optional<IndexPath> selected_;
    std::shared_ptr<Button> deleteButton_;
    double contentBottom_ = 0; // below the last section, above the footer
    std::shared_ptr<IGestureRecognizerDelegate> rowSwipeDelegate_;
    double rowHeight_ = 44;
    EdgeInsets separatorInset_{.top = 0, .left = 15, .bottom = 0, .right = 0};
    Color separatorColor_ = Color::rgb255(198, 198, 200);
    double sectionHeaderTopPadding_ = automaticSectionHeaderTopPadding;
};

} // namespace ui
