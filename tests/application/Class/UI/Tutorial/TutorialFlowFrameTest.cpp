#include "Class/UI/Tutorial/View/TutorialFlowViewController.h"
#include "Class/UI/Tutorial/View/TutorialStepIndicator.h"

#include "foundation/VirtualTime.h"
#include "ui/ImageView.h"
#include "ui/ScrollView.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <utility>
#include <vector>

namespace {

using tolvane::app::TutorialFlowViewController;
using tolvane::app::TutorialStepIndicator;

// A flow of plain pages in a carousel 100 points wide; it counts the pages it makes and the page
// changes it is told of.
class PlainFlow final : public TutorialFlowViewController {
public:
    explicit PlainFlow(int pages) : pages_(pages) {}

    int numberOfPages() const override { return pages_; }
    ui::ScrollView& carousel() const override { return *scroll; }
    TutorialStepIndicator& stepIndicator() const override { return *indicator; }
    void loadView() override
    {
        auto root = std::make_shared<ui::View>(ui::Rect{0, 0, 100, 240});
        root->addSubview(scroll);
        root->addSubview(indicator);
        setView(root);
    }
    void loadPage(int index) override
    {
        pageControllers[static_cast<size_t>(index)] = std::make_shared<ui::ViewController>();
        ++pagesMade;
        TutorialFlowViewController::loadPage(index);
    }
    void pageDidChange(int from, int to) override { changes.emplace_back(from, to); }

    std::set<int> loaded() const
    {
        std::set<int> pages;
        for (size_t i = 0; i < pageControllers.size(); ++i)
            if (pageControllers[i]) {
                pages.insert(static_cast<int>(i));
                EXPECT_EQ(pageControllers[i]->parent(), this);
                EXPECT_EQ(pageControllers[i]->view().frame().x(), 100.0 * static_cast<double>(i));
                EXPECT_EQ(pageControllers[i]->view().superview(), backGroundView.get());
            }
        EXPECT_EQ(children().size(), pages.size()) << "only loaded pages are children";
        return pages;
    }
    void scrollTo(double x) { scroll->setContentOffset({x, 0}); }

    std::shared_ptr<ui::ScrollView> scroll = std::make_shared<ui::ScrollView>(ui::Rect{0, 0, 100, 200});
    std::shared_ptr<TutorialStepIndicator> indicator = std::make_shared<TutorialStepIndicator>(ui::Rect{0, 210, 100, 20});
    int pagesMade = 0;
    std::vector<std::pair<int, int>> changes;

private:
    int pages_;
};

class TutorialFlowFrameTest : public ::testing::Test {
protected:
    TutorialFlowFrameTest() { time.mainLoop(); }

    std::shared_ptr<PlainFlow> loadedFlow(int pages)
    {
        auto flow = std::make_shared<PlainFlow>(pages);
        flow->view();
        return flow;
    }

    foundation::VirtualTime time;
};

TEST_F(TutorialFlowFrameTest, LoadingLaysOutTheContentLoadsTheFirstTwoPagesAndHidesTheGuidance)
{
    auto flow = loadedFlow(5);
    EXPECT_EQ(flow->scroll->contentSize(), (ui::Size{500, 200}));
    EXPECT_EQ(flow->backGroundView->frame(), (ui::Rect{0, 0, 500, 200}));
    EXPECT_EQ(flow->loaded(), (std::set<int>{0, 1}));
    EXPECT_EQ(flow->indicator->pageNum(), 5);
    EXPECT_FALSE(flow->indicator->isHidden());
    EXPECT_EQ(flow->changes, (std::vector<std::pair<int, int>>{{-1, 0}}));
    ASSERT_TRUE(flow->rightScrollGuidanceImageView && flow->leftScrollGuidanceImageView);
    EXPECT_TRUE(flow->rightScrollGuidanceImageView->isHidden());
    EXPECT_TRUE(flow->leftScrollGuidanceImageView->isHidden());
    EXPECT_EQ(flow->rightScrollGuidanceImageView->frame().maxX(), 100);
    EXPECT_EQ(flow->leftScrollGuidanceImageView->frame().minX(), 0);
}

TEST_F(TutorialFlowFrameTest, ThePageRuleKeepsTheCurrentPageAndItsNeighboursLoaded)
{
    const struct {
        const char* step;
        std::vector<double> offsets;
        int page;
        std::set<int> loaded;
        std::vector<std::pair<int, int>> changes;
    } cases[] = {
        {"just under half a page stays", {49.9}, 0, {0, 1}, {}},
        {"half a page turns it", {50}, 1, {0, 1, 2}, {{0, 1}}},
        {"0 -> 1 -> 2 releases page 0", {100, 200}, 2, {1, 2, 3}, {{0, 1}, {1, 2}}},
        {"2 -> 1 loads 0 again and releases 3", {100, 200, 100}, 1, {0, 1, 2}, {{0, 1}, {1, 2}, {2, 1}}},
        {"to the last page", {100, 200, 300, 400}, 4, {3, 4}, {{0, 1}, {1, 2}, {2, 3}, {3, 4}}},
        {"a bounce before the first page clamps", {-30}, 0, {0, 1}, {}},
        {"a bounce past the last page clamps", {100, 200, 300, 400, 450}, 4, {3, 4}, {{0, 1}, {1, 2}, {2, 3}, {3, 4}}},
        // Kept as the rule reads: a jump of two pages in one callback leaves the page on screen unloaded.
        {"a jump of two pages", {200}, 2, {1, 3}, {{0, 2}}},
    };
    for (const auto& c : cases) {
        auto flow = loadedFlow(5);
        flow->changes.clear();
        for (const double offset : c.offsets)
            flow->scrollTo(offset);
        EXPECT_EQ(flow->currentPageNum, c.page) << c.step;
        EXPECT_EQ(flow->indicator->currentPageNum(), c.page) << c.step;
        EXPECT_EQ(flow->loaded(), c.loaded) << c.step;
        EXPECT_EQ(flow->changes, c.changes) << c.step;
    }
}

TEST_F(TutorialFlowFrameTest, APageThatComesBackIsMadeAnew)
{
    auto flow = loadedFlow(5);
    const auto first = flow->pageControllers[0];
    flow->scrollTo(100);
    flow->scrollTo(200);
    flow->scrollTo(100);
    EXPECT_NE(flow->pageControllers[0], first);
    EXPECT_EQ(first->parent(), nullptr);
    EXPECT_EQ(flow->pagesMade, 5) << "pages 0 and 1, then 2, 3 and 0 again";
}

TEST_F(TutorialFlowFrameTest, FlowsOfOneAndTwoPages)
{
    auto single = loadedFlow(1);
    EXPECT_TRUE(single->indicator->isHidden());
    EXPECT_EQ(single->loaded(), (std::set<int>{0}));
    single->scrollTo(60);
    single->scrollTo(-40);
    EXPECT_EQ(single->currentPageNum, 0);
    EXPECT_EQ(single->changes.size(), 1u) << "only the one at loading";

    auto pair = loadedFlow(2);
    EXPECT_FALSE(pair->indicator->isHidden());
    pair->scrollTo(100);
    pair->scrollTo(0);
    EXPECT_EQ(pair->loaded(), (std::set<int>{0, 1}));
    EXPECT_EQ(pair->pagesMade, 2) << "both stay loaded";
}

TEST_F(TutorialFlowFrameTest, ANewCarouselSizeMovesThePagesAndKeepsThePageOnScreen)
{
    auto flow = loadedFlow(5);
    flow->scrollTo(100);
    flow->scroll->setFrame({0, 0, 300, 400});
    flow->view().setNeedsLayout();
    flow->view().layoutIfNeeded();
    EXPECT_EQ(flow->backGroundView->frame(), (ui::Rect{0, 0, 1500, 400}));
    EXPECT_EQ(flow->pageControllers[2]->view().frame(), (ui::Rect{600, 0, 300, 400}));
    EXPECT_EQ(flow->scroll->contentOffset().x, 300);
    EXPECT_EQ(flow->currentPageNum, 1);
}

} // namespace
