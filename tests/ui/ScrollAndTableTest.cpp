#include "foundation/VirtualTime.h"
#include "ui/Button.h"
#include "ui/Label.h"
#include "ui/ScrollView.h"
#include "ui/TableView.h"
#include "ui/TableViewCell.h"
#include "ui/TouchDriver.h"
#include "ui/Window.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using ui::IndexPath;
using ui::Point;
using ui::Rect;

class OffsetRecorder : public ui::IScrollViewDelegate {
public:
    std::vector<double> offsets;
    int settled = 0;
    void scrollViewDidScroll(ui::ScrollView& view) override { offsets.push_back(view.contentOffset().x); }
    void scrollViewDidEndDecelerating(ui::ScrollView&) override { ++settled; }
};

TEST(ScrollViewTest, DragMovesTheContentWithinItsBoundsAndPagingSettlesOnAPage)
{
    auto window = std::make_shared<ui::Window>(Rect{0, 0, 390, 844});
    auto scroll = std::make_shared<ui::ScrollView>(Rect{0, 100, 300, 200});
    scroll->setContentSize({900, 200});
    auto recorder = std::make_shared<OffsetRecorder>();
    scroll->setDelegate(recorder);
    window->addSubview(scroll);
    auto card = std::make_shared<ui::View>(Rect{300, 0, 300, 200});
    scroll->addSubview(card);

    ui::TouchDriver driver(*window);
    auto touch = driver.begin({250, 200});
    driver.move(touch, {150, 200});
    driver.move(touch, {80, 200});
    driver.end(touch);
    EXPECT_DOUBLE_EQ(scroll->contentOffset().x, 170) << "without paging the content stays where the finger left it";
    EXPECT_EQ(card->convert(Point{0, 0}, nullptr), (Point{130, 100}));

    scroll->setPagingEnabled(true);
    touch = driver.begin({250, 200});
    driver.move(touch, {220, 200});
    driver.end(touch);
    EXPECT_DOUBLE_EQ(scroll->contentOffset().x, 300);
    EXPECT_EQ(recorder->settled, 1);

    touch = driver.begin({10, 200});
    driver.move(touch, {380, 200});
    driver.move(touch, {389, 200});
    driver.end(touch);
    EXPECT_DOUBLE_EQ(scroll->contentOffset().x, 0) << "never before the start of the content";
    scroll->setContentOffset({600, 0});
    EXPECT_DOUBLE_EQ(recorder->offsets.back(), 600);
}

class Devices : public ui::ITableViewDataSource, public ui::ITableViewDelegate {
public:
    std::vector<std::string> names{"Alpha", "Bravo", "Charlie"};
    std::vector<std::string> log;
    int made = 0;

    int numberOfRows(ui::TableView&, int) override { return static_cast<int>(names.size()); }
    std::shared_ptr<ui::TableViewCell> cellForRow(ui::TableView& table, const IndexPath& indexPath) override
    {
        auto cell = table.dequeueReusableCell("CustomCell", indexPath);
        cell->setUserInteractionEnabled(indexPath.row != 2);
        return cell;
    }
    bool canEditRow(ui::TableView&, const IndexPath& indexPath) override { return indexPath.row != 0; }
    void commitEditing(ui::TableView& table, ui::TableViewCellEditingStyle, const IndexPath& indexPath) override
    {
        log.push_back("delete " + names[size_t(indexPath.row)]);
        names.erase(names.begin() + indexPath.row);
        table.reloadData();
    }
    std::optional<double> heightForRow(ui::TableView&, const IndexPath&) override { return 60; }
    void didSelectRow(ui::TableView&, const IndexPath& indexPath) override { log.push_back("select " + names[size_t(indexPath.row)]); }
    std::optional<std::string> titleForDeleteConfirmationButton(ui::TableView&, const IndexPath&) override { return "删除车辆"; }
};

TEST(TableViewTest, OnlyRowsInSightHaveCellsAndAScrolledOutRowHandsItsCellOn)
{
    auto window = std::make_shared<ui::Window>(Rect{0, 0, 390, 844});
    auto table = std::make_shared<ui::TableView>(Rect{0, 0, 390, 600});
    window->addSubview(table);
    auto devices = std::make_shared<Devices>();
    devices->names.assign(1000, "Unit");
    table->registerCell("CustomCell", [devices] {
        ++devices->made;
        return std::make_shared<ui::TableViewCell>("CustomCell");
    });
    table->setDataSource(devices);
    table->setDelegate(devices);
    table->reloadData();
    EXPECT_EQ(table->contentSize().height, 60000);
    EXPECT_EQ(devices->made, 10) << "600 points of 60-point rows";
    EXPECT_NE(table->cellForRow({0, 9}), nullptr);
    EXPECT_EQ(table->cellForRow({0, 10}), nullptr);

    table->setContentOffset({0, 30});
    EXPECT_EQ(devices->made, 11) << "half of row 10 comes into sight";
    table->setContentOffset({0, 59400});
    EXPECT_EQ(devices->made, 11) << "the rows scrolled out hand their cells to the rows scrolled in";
    EXPECT_EQ(table->cellForRow({0, 0}), nullptr);
    EXPECT_EQ(table->cellForRow({0, 999})->frame(), (Rect{0, 59940, 390, 60}));
    EXPECT_EQ(table->separatorFrames().size(), 10u) << "a separator under each row in sight";
}

TEST(TableViewTest, RowsReuseCellsAnswerTapsAndDeleteAfterASwipe)
{
    auto window = std::make_shared<ui::Window>(Rect{0, 0, 390, 844});
    auto table = std::make_shared<ui::TableView>(Rect{0, 0, 390, 600});
    window->addSubview(table);
    auto devices = std::make_shared<Devices>();
    table->registerCell("CustomCell", [devices] {
        ++devices->made;
        return std::make_shared<ui::TableViewCell>("CustomCell");
    });
    table->setDataSource(devices);
    table->setDelegate(devices);
    table->reloadData();
    EXPECT_EQ(table->rectForRow({0, 1}), (Rect{0, 60, 390, 60}));
    EXPECT_EQ(table->contentSize().height, 180);
    table->reloadData();
    EXPECT_EQ(devices->made, 3) << "a reload reuses the cells";

    ui::TouchDriver driver(*window);
    driver.tap({100, 90});
    driver.tap({100, 150});
    EXPECT_EQ(devices->log, (std::vector<std::string>{"select Bravo"})) << "a row without interaction ignores taps";
    EXPECT_EQ(table->indexPathForSelectedRow(), (IndexPath{0, 1}));
    table->deselectRow({0, 1}, true);
    EXPECT_FALSE(table->indexPathForSelectedRow().has_value());

    auto swipe = [&](double y) {
        auto touch = driver.begin({300, y});
        driver.move(touch, {280, y});
        driver.move(touch, {240, y});
        driver.end(touch);
    };
    swipe(30);
    EXPECT_EQ(table->deleteConfirmationButton(), nullptr) << "the first row cannot be edited";
    swipe(150);
    auto button = table->deleteConfirmationButton();
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->title(ui::ControlState::normal), "删除车辆");
    driver.tap({button->frame().midX(), button->frame().midY()});
    EXPECT_EQ(devices->log.back(), "delete Charlie");
    EXPECT_EQ(devices->names.size(), 2u);
    EXPECT_EQ(table->deleteConfirmationButton(), nullptr);
}

} // namespace
