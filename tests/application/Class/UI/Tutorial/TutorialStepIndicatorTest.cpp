#include "Class/UI/Tutorial/View/TutorialStepIndicator.h"

#include "foundation/VirtualTime.h"
#include "ui/LayerRenderer.h"

#include <gtest/gtest.h>

#include <QColor>

namespace {

using tolvane::app::TutorialStepIndicator;

class TutorialStepIndicatorTest : public ::testing::Test {
protected:
    TutorialStepIndicatorTest() { time.mainLoop(); }
    foundation::VirtualTime time;
};

TEST_F(TutorialStepIndicatorTest, CountsAndTheCurrentMarkerAreClamped)
{
    TutorialStepIndicator indicator;
    EXPECT_EQ(indicator.pageNum(), 1);
    EXPECT_EQ(indicator.currentPageNum(), 0);
    EXPECT_TRUE(indicator.checkPrevious());
    EXPECT_EQ(indicator.lineWidth(), 5.0);

    indicator.setPageNum(0);
    EXPECT_EQ(indicator.pageNum(), 1);
    EXPECT_TRUE(indicator.isHidden());
    indicator.setPageNum(7);
    EXPECT_FALSE(indicator.isHidden());
    const struct {
        int set;
        int stored;
    } cases[] = {{-3, 0}, {3, 3}, {6, 6}, {99, 6}};
    for (const auto& c : cases) {
        indicator.setCurrentPageNum(c.set);
        EXPECT_EQ(indicator.currentPageNum(), c.stored) << c.set;
    }
    indicator.setPageNum(3);
    EXPECT_EQ(indicator.currentPageNum(), 2) << "follows a shorter count";
    indicator.setPageNum(1);
    EXPECT_TRUE(indicator.isHidden());
}

TEST_F(TutorialStepIndicatorTest, MarkersSpreadAcrossTheWidthClearOfTheEdges)
{
    TutorialStepIndicator indicator;
    indicator.setPageNum(7);
    // r = min(20, 300 / 7) / 2 - 5 / 2 = 7.5: the first at 2.5 + 7.5, the last at 300 - 10.
    const auto centers = indicator.markerCenters({0, 0, 300, 20});
    ASSERT_EQ(centers.size(), 7u);
    EXPECT_DOUBLE_EQ(centers.front().x, 10);
    EXPECT_DOUBLE_EQ(centers.back().x, 290);
    EXPECT_NEAR(centers[1].x - centers[0].x, 46.667, 0.001);
    for (const auto& center : centers)
        EXPECT_EQ(center.y, 10);

    indicator.setPageNum(1);
    EXPECT_EQ(indicator.markerCenters({20, 0, 300, 20}), (std::vector<ui::Point>{{170, 10}}));
}

TEST_F(TutorialStepIndicatorTest, EarlierMarkersShowDoneUnlessCheckPreviousIsOff)
{
    auto indicator = std::make_shared<TutorialStepIndicator>(ui::Rect{0, 0, 300, 20});
    indicator->setPageNum(7);
    indicator->setCurrentPageNum(3);
    const auto centers = indicator->markerCenters(indicator->bounds());
    auto doneMarkers = [&] {
        const QImage picture = ui::LayerRenderer().renderView(*indicator, 2);
        std::vector<int> done;
        for (size_t k = 0; k < centers.size(); ++k) {
            const QColor pixel = picture.pixelColor(static_cast<int>(centers[k].x * 2), static_cast<int>(centers[k].y * 2 + 2));
            // The done marker is the accent blue, the open one a light grey.
            if (pixel.blue() > 200 && pixel.red() < 120)
                done.push_back(static_cast<int>(k));
        }
        return done;
    };
    EXPECT_EQ(doneMarkers(), (std::vector<int>{0, 1, 2, 3}));
    indicator->setCheckPrevious(false);
    EXPECT_EQ(doneMarkers(), (std::vector<int>{3}));
}

TEST_F(TutorialStepIndicatorTest, MarkerImagesAreDecodedOnceAndKept)
{
    TutorialStepIndicator indicator;
    const auto first = indicator.markerImages();
    const auto again = indicator.markerImages();
    EXPECT_EQ(first.first.pixels().cacheKey(), again.first.pixels().cacheKey());
    EXPECT_EQ(first.second.pixels().cacheKey(), again.second.pixels().cacheKey());
    EXPECT_NE(first.first.pixels().cacheKey(), first.second.pixels().cacheKey());
}

} // namespace
