#include "ui/TableView.h"

#include "foundation/FatalError.h"
#include "ui/Button.h"
#include "ui/SwipeGestureRecognizer.h"
#include "ui/TableViewCell.h"
#include "ui/TapGestureRecognizer.h"

namespace ui {
namespace {

constexpr double deleteButtonWidth = 80;

// A row swipe is watched while the table's own drag runs. Only a row that can be deleted takes one,
// so a control in any other row keeps its drag to the left.
class RowSwipe : public IGestureRecognizerDelegate {
public:
    explicit RowSwipe(TableView& table) : table_(table) {}
    bool gestureRecognizerShouldBegin(GestureRecognizer& recognizer) override
    {
        return table_.deletableRow(recognizer.location(&table_)).has_value();
    }
    bool shouldRecognizeSimultaneously(GestureRecognizer&, GestureRecognizer&) override { return true; }

private:
    TableView& table_;
};

} // namespace

TableView::TableView(const Rect& frame) : ScrollView(frame)
{
    auto tap = std::make_shared<TapGestureRecognizer>([this](GestureRecognizer& r) { rowTapped(r.location(this)); });
    tap->setCancelsTouchesInView(false);
    addGestureRecognizer(tap);
    auto swipe = std::make_shared<SwipeGestureRecognizer>(SwipeDirection::left, [this](GestureRecognizer& r) { rowSwiped(r.location(this)); });
    rowSwipeDelegate_ = std::make_shared<RowSwipe>(*this);
    swipe->setDelegate(rowSwipeDelegate_);
    addGestureRecognizer(swipe);
}

void TableView::registerCell(const std::string& reuseIdentifier, CellFactory factory)
{
    factories_[reuseIdentifier] = std::move(factory);
}

std::shared_ptr<TableViewCell> TableView::dequeueReusableCell(const std::string& reuseIdentifier, const IndexPath&)
{
    auto& pool = reusable_[reuseIdentifier];
    if (!pool.empty()) {
        auto cell = pool.back();
        pool.pop_back();
        cell->prepareForReuse();
        return cell;
    }
    auto factory = factories_.find(reuseIdentifier);
    if (factory == factories_.end())
        foundation::fatalError("no cell registered for reuse identifier " + reuseIdentifier);
    return factory->second();
}

void TableView::reloadData()
{
    hideDeleteButton();
    for (auto& row : rows_)
        enqueue(row);
    rows_.clear();
    for (auto& header : headers_)
        header->removeFromSuperview();
    headers_.clear();
    selected_.reset();
    auto dataSource = dataSource_.lock();
    if (!dataSource) {
        showVisibleRows();
        return;
    }
    auto delegate = delegate_.lock();
    const double width = bounds().width();
    double y = 0;
    for (int section = 0; section < dataSource->numberOfSections(*this); ++section) {
        const double headerHeight = delegate ? delegate->heightForHeader(*this, section) : 0;
        if (headerHeight >= 1)
            y += sectionHeaderTopPadding_;
        if (auto header = delegate ? delegate->viewForHeader(*this, section) : nullptr) {
            header->setFrame({0, y, width, headerHeight});
            addSubview(header);
            headers_.push_back(header);
        }
        y += headerHeight;
        for (int row = 0; row < dataSource->numberOfRows(*this, section); ++row) {
            const IndexPath indexPath{section, row};
            const double height = (delegate ? delegate->heightForRow(*this, indexPath) : std::nullopt).value_or(rowHeight_);
            rows_.push_back({indexPath, {0, y, width, height}, nullptr});
            y += height;
        }
        y += delegate ? delegate->heightForFooter(*this, section) : 0;
    }
    contentBottom_ = y;
    if (footer_) {
        footer_->setFrame({0, y, width, footer_->frame().height()});
        y += footer_->frame().height();
    }
    setContentSize({width, y});
    showVisibleRows();
}

void TableView::layoutSubviews()
{
    showVisibleRows();
}

void TableView::contentOffsetDidChange()
{
    showVisibleRows();
}

// Only the rows in sight have cells: a list of hundreds of runs makes a dozen, and a row that
// scrolls out hands its cell back for the row that scrolls in.
void TableView::showVisibleRows()
{
    const double top = bounds().y();
    const double bottom = top + bounds().height();
    auto dataSource = dataSource_.lock();
    for (auto& row : rows_) {
        // A row of no height in sight still gets its cell (and its separator).
        const bool visible = row.frame.y() < bottom && (row.frame.maxY() > top || row.frame.y() >= top);
        if (!visible || !dataSource) {
            enqueue(row);
            continue;
        }
        if (row.cell)
            continue;
        row.cell = dataSource->cellForRow(*this, row.indexPath);
        if (!row.cell)
            continue;
        row.cell->setFrame(row.frame);
        row.cell->setSelected(selected_ == row.indexPath);
        insertSubview(row.cell, 0);
    }
    showSeparators();
}

void TableView::enqueue(Row& row)
{
    if (!row.cell)
        return;
    row.cell->removeFromSuperview();
    reusable_[row.cell->reuseIdentifier()].push_back(std::move(row.cell));
    row.cell.reset();
}

void TableView::showSeparators()
{
    for (auto& separator : separators_)
        separator->removeFromSuperview();
    separators_.clear();
    for (const auto& row : rows_)
        if (row.cell)
            addSeparator(row.frame.maxY());
    // Below the last row the separators go on as empty rows, unless a footer ends the table.
    if (!footer_ && rowHeight_ > 0)
        for (double line = contentBottom_ + rowHeight_; line <= bounds().height(); line += rowHeight_)
            addSeparator(line);
}

void TableView::addSeparator(double bottom)
{
    const double width = bounds().width() - separatorInset_.left - separatorInset_.right;
    if (width <= 0)
        return;
    auto separator = std::make_shared<View>(Rect{separatorInset_.left, bottom - separatorThickness, width, separatorThickness});
    separator->setBackgroundColor(separatorColor_);
    separator->setUserInteractionEnabled(false);
    addSubview(separator);
    separators_.push_back(std::move(separator));
}

std::vector<Rect> TableView::separatorFrames() const
{
    std::vector<Rect> frames;
    for (const auto& separator : separators_)
        frames.push_back(separator->frame());
    return frames;
}

void TableView::setTableFooterView(std::shared_ptr<View> footer)
{
    if (footer_)
        footer_->removeFromSuperview();
    footer_ = std::move(footer);
    if (footer_)
        addSubview(footer_);
}

std::shared_ptr<TableViewCell> TableView::cellForRow(const IndexPath& indexPath) const
{
    for (const auto& row : rows_)
        if (row.indexPath == indexPath)
            return row.cell;
    return nullptr;
}

Rect TableView::rectForRow(const IndexPath& indexPath) const
{
    for (const auto& row : rows_)
        if (row.indexPath == indexPath)
            return row.frame;
    return {};
}

std::optional<IndexPath> TableView::indexPathForRow(const Point& point) const
{
    for (const auto& row : rows_)
        if (row.frame.contains(point))
            return row.indexPath;
    return std::nullopt;
}

void TableView::selectRow(const IndexPath& indexPath)
{
    if (selected_)
        deselectRow(*selected_, false);
    if (auto cell = cellForRow(indexPath)) {
        cell->setSelected(true);
        selected_ = indexPath;
    }
}

void TableView::deselectRow(const IndexPath& indexPath, bool)
{
    if (auto cell = cellForRow(indexPath))
        cell->setSelected(false);
    if (selected_ == indexPath)
        selected_.reset();
}

void TableView::rowTapped(const Point& point)
{
    if (deleteButton_) {
        // A tap elsewhere only closes the open delete button; on it, the button's action runs.
        if (!deleteButton_->frame().contains(point))
            hideDeleteButton();
        return;
    }
    const auto indexPath = indexPathForRow(point);
    if (!indexPath)
        return;
    auto cell = cellForRow(*indexPath);
    if (!cell || !cell->isUserInteractionEnabled())
        return;
    selectRow(*indexPath);
    if (auto delegate = delegate_.lock())
        delegate->didSelectRow(*this, *indexPath);
}

std::optional<IndexPath> TableView::deletableRow(const Point& point)
{
    const auto indexPath = indexPathForRow(point);
    auto dataSource = dataSource_.lock();
    if (!indexPath || !dataSource || !dataSource->canEditRow(*this, *indexPath))
        return std::nullopt;
    auto delegate = delegate_.lock();
    if (delegate && delegate->editingStyleForRow(*this, *indexPath) != TableViewCellEditingStyle::deleteStyle)
        return std::nullopt;
    return indexPath;
}

void TableView::rowSwiped(const Point& point)
{
    hideDeleteButton();
    const auto indexPath = deletableRow(point);
    if (!indexPath)
        return;
    auto delegate = delegate_.lock();
    const Rect row = rectForRow(*indexPath);
    deleteButton_ = std::make_shared<Button>(Rect{row.maxX() - deleteButtonWidth, row.y(), deleteButtonWidth, row.height()});
    deleteButton_->setBackgroundColor(Color::rgb255(255, 59, 48));
    deleteButton_->setTitle((delegate ? delegate->titleForDeleteConfirmationButton(*this, *indexPath) : std::nullopt).value_or("Delete"),
                            ControlState::normal);
    const IndexPath target = *indexPath;
    deleteButton_->addTarget(ControlEvent::touchUpInside, [this, target](Control&) {
        hideDeleteButton();
        if (auto source = dataSource_.lock())
            source->commitEditing(*this, TableViewCellEditingStyle::deleteStyle, target);
    });
    addSubview(deleteButton_);
}

void TableView::hideDeleteButton()
{
    if (deleteButton_) {
        deleteButton_->removeFromSuperview();
        deleteButton_.reset();
    }
}

} // namespace ui
