#include "foundation/VirtualTime.h"
#include "ui/Button.h"
#include "ui/Label.h"
#include "ui/Layer.h"
#include "ui/ScrollIndicators.h"
#include "ui/ScrollView.h"
#include "ui/Slider.h"
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

// Twenty 60-point rows in a 600-point table, the second holding a slider whose track runs from x 14
// to x 214.
class SliderRows : public ui::ITableViewDataSource {
public:
    std::shared_ptr<ui::Slider> slider = std::make_shared<ui::Slider>(Rect{0, 0, 228, 60});
    std::vector<float> sent;

    SliderRows()
    {
        slider->addTarget(ui::ControlEvent::valueChanged, [this](ui::Control&) { sent.push_back(slider->value()); });
    }
    int numberOfRows(ui::TableView&, int) override { return 20; }
    std::shared_ptr<ui::TableViewCell> cellForRow(ui::TableView& table, const IndexPath& indexPath) override
    {
        auto cell = table.dequeueReusableCell("Row", indexPath);
        if (indexPath.row == 1)
            cell->contentView().addSubview(slider);
        return cell;
    }
};

TEST(TableViewTest, ASliderInARowKeepsASidewaysDragAndTheTableTakesOnlyADragAlongItsAxis)
{
    auto window = std::make_shared<ui::Window>(Rect{0, 0, 390, 844});
    auto table = std::make_shared<ui::TableView>(Rect{0, 0, 390, 600});
    table->setRowHeight(60);
    window->addSubview(table);
    auto rows = std::make_shared<SliderRows>();
    table->registerCell("Row", [] { return std::make_shared<ui::TableViewCell>("Row"); });
    table->setDataSource(rows);
    table->reloadData();
    window->layoutIfNeeded();
    ui::TouchDriver driver(*window);

    struct Drag {
        const char* name;
        std::vector<Point> path;
        float value;
    };
    const Drag drags[] = {
        {"to the right, a little unsteady", {{64, 90}, {70, 92}, {110, 93}, {164, 91}}, 0.75f},
        {"to the left, past the swipe distance", {{164, 90}, {150, 91}, {100, 92}, {39, 90}}, 0.125f},
        {"slowly, a point at a time", {{39, 90}, {40, 90}, {41, 91}, {43, 90}, {46, 91}, {89, 90}}, 0.375f},
    };
    for (const auto& drag : drags) {
        auto touch = driver.begin(drag.path.front());
        for (size_t i = 1; i < drag.path.size(); ++i)
            driver.move(touch, drag.path[i]);
        driver.end(touch);
        EXPECT_FLOAT_EQ(rows->slider->value(), drag.value) << drag.name << ": the value where the finger lifted";
        ASSERT_FALSE(rows->sent.empty());
        EXPECT_FLOAT_EQ(rows->sent.back(), drag.value) << drag.name;
        EXPECT_EQ(table->contentOffset(), (Point{0, 0})) << drag.name << ": the table stays";
    }

    rows->sent.clear();
    auto touch = driver.begin({64, 90});
    driver.move(touch, {66, 70});
    driver.move(touch, {70, 30});
    driver.end(touch);
    EXPECT_EQ(table->contentOffset(), (Point{0, 60})) << "an upward drag scrolls the table";
    EXPECT_EQ(rows->sent, (std::vector<float>{0.25f})) << "only the landing moved the slider; the table took the rest";
}

TEST(ScrollViewTest, AWheelScrollsTheInnermostViewThatCanMoveThatWayAndPagesSettle)
{
    foundation::VirtualTime time;
    time.mainLoop();
    auto window = std::make_shared<ui::Window>(Rect{0, 0, 390, 844});
    auto terms = std::make_shared<ui::ScrollView>(Rect{0, 0, 390, 600});
    terms->setContentSize({390, 1500});
    window->addSubview(terms);
    auto pages = std::make_shared<ui::ScrollView>(Rect{0, 100, 390, 200});
    pages->setContentSize({1170, 200});
    pages->setPagingEnabled(true);
    auto recorder = std::make_shared<OffsetRecorder>();
    pages->setDelegate(recorder);
    terms->addSubview(pages);

    struct Turn {
        const char* name;
        Point location;
        Point delta;
        Point termsOffset;
        Point pagesOffset;
    };
    const Turn turns[] = {
        {"down over the text", {200, 450}, {0, -40}, {0, 40}, {0, 0}},
        {"down over the pages, which only go sideways", {200, 200}, {0, -100}, {0, 140}, {0, 0}},
        {"sideways over the pages", {200, 100}, {-150, 0}, {0, 140}, {150, 0}},
        {"up past the start", {200, 450}, {0, 500}, {0, 0}, {150, 0}},
        {"down past the end", {200, 500}, {0, -5000}, {0, 900}, {150, 0}},
        {"outside every scroll view", {200, 700}, {0, -40}, {0, 900}, {150, 0}},
    };
    for (const auto& turn : turns) {
        window->sendScrollWheel(turn.location, turn.delta);
        EXPECT_EQ(terms->contentOffset(), turn.termsOffset) << turn.name;
        EXPECT_EQ(pages->contentOffset(), turn.pagesOffset) << turn.name;
    }

    time.advance(0.14);
    EXPECT_EQ(recorder->settled, 0) << "still turning";
    time.advance(0.02);
    EXPECT_EQ(pages->contentOffset(), (Point{0, 0})) << "the page more in sight";
    EXPECT_EQ(recorder->settled, 1);
}

TEST(ScrollViewTest, IndicatorsShowWhereTheContentIsWhileItMovesAndFadeAfter)
{
    foundation::VirtualTime time;
    time.mainLoop();
    auto window = std::make_shared<ui::Window>(Rect{0, 0, 390, 844});
    auto list = std::make_shared<ui::ScrollView>(Rect{0, 0, 300, 400});
    list->setContentSize({300, 1600});
    window->addSubview(list);
    EXPECT_EQ(list->scrollIndicators().vertical(), nullptr) << "nothing until the content moves by hand";
    list->setContentOffset({0, 100});
    EXPECT_EQ(list->scrollIndicators().vertical(), nullptr);

    window->sendScrollWheel({150, 200}, {0, -500});
    const auto bar = list->scrollIndicators().vertical();
    ASSERT_NE(bar, nullptr);
    EXPECT_FALSE(bar->isHidden());
    EXPECT_TRUE(list->scrollIndicators().horizontal()->isHidden()) << "the content is no wider than the view";
    EXPECT_EQ(bar->alpha(), 1);
    // A quarter of the content is in sight, half way down.
    EXPECT_EQ(bar->frame(), (Rect{294, 750.75, 3, 98.5}));
    EXPECT_EQ(list->subviews().end()[-2], bar) << "above the content";

    ui::TouchDriver driver(*window);
    auto touch = driver.begin({150, 300});
    time.advance(0.4);
    driver.move(touch, {150, 350});
    driver.move(touch, {150, 550});
    time.advance(0.4);
    EXPECT_EQ(bar->alpha(), 1) << "a drag keeps it up";
    EXPECT_EQ(bar->frame().y(), 439.1875);
    driver.end(touch);
    time.advance(0.2);
    EXPECT_EQ(bar->alpha(), 0) << "faded out half a second after the last move";
    EXPECT_GT(bar->layer().presentationValue(ui::AnimatedProperty::opacity, time.now()), 0.5) << "and fades on screen";
    time.advance(0.3);
    EXPECT_EQ(bar->layer().presentationValue(ui::AnimatedProperty::opacity, time.now()), 0);
}

} // namespace
