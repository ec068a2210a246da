#include "ui/TableView.h"
#include "ui/TableViewCell.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

using ui::Rect;

// Two sections of 2 and 1 rows, 50 points each, under headers of a chosen height.
class Sections : public ui::ITableViewDataSource, public ui::ITableViewDelegate {
public:
    explicit Sections(double headerHeight) : headerHeight_(headerHeight) {}
    int numberOfSections(ui::TableView&) override { return 2; }
    int numberOfRows(ui::TableView&, int section) override { return section == 0 ? 2 : 1; }
    std::shared_ptr<ui::TableViewCell> cellForRow(ui::TableView&, const ui::IndexPath&) override { return std::make_shared<ui::TableViewCell>(); }
    std::optional<double> heightForRow(ui::TableView&, const ui::IndexPath&) override { return 50; }
    double heightForHeader(ui::TableView&, int) override { return headerHeight_; }

private:
    double headerHeight_;
};

std::shared_ptr<ui::TableView> tableOf(const std::shared_ptr<Sections>& sections, double height)
{
    auto table = std::make_shared<ui::TableView>(Rect{0, 0, 300, height});
    table->setDataSource(sections);
    table->setDelegate(sections);
    return table;
}

TEST(TableDecorationTest, EveryRowHasASeparatorBetweenTheInsetsAndEmptyRowsContinueToTheBottom)
{
    auto sections = std::make_shared<Sections>(0);
    auto table = tableOf(sections, 300);
    table->setSeparatorInset({.top = 10, .left = 55, .bottom = 0, .right = 5});
    table->setRowHeight(60);
    table->reloadData();
    const std::vector<Rect> expected{
        {55, 49.5, 240, 0.5}, {55, 99.5, 240, 0.5}, {55, 149.5, 240, 0.5}, // the rows
        {55, 209.5, 240, 0.5}, {55, 269.5, 240, 0.5},                      // empty rows below
    };
    EXPECT_EQ(table->separatorFrames(), expected);

    table->setTableFooterView(std::make_shared<ui::View>());
    table->reloadData();
    EXPECT_EQ(table->separatorFrames().size(), 3u) << "a footer ends the table after its rows";
    EXPECT_EQ(table->contentSize().height, 150);
}

TEST(TableDecorationTest, SectionHeadersGetTheTopPaddingUnlessItIsSetToZero)
{
    const struct {
        double header;
        std::optional<double> padding;
        double secondSectionTop;
    } cases[] = {
        {10, std::nullopt, 22 + 10 + 100 + 22 + 10},
        {10, 0, 10 + 100 + 10},
        // A header thinner than a point takes no padding.
        {std::numeric_limits<double>::min(), std::nullopt, 100},
    };
    for (const auto& c : cases) {
        auto sections = std::make_shared<Sections>(c.header);
        auto table = tableOf(sections, 400);
        if (c.padding)
            table->setSectionHeaderTopPadding(*c.padding);
        table->reloadData();
        EXPECT_DOUBLE_EQ(table->rectForRow({1, 0}).y(), c.secondSectionTop) << c.header;
    }
}

} // namespace
