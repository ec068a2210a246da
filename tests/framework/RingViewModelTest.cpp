#include "RingViewModel.h"

#include "ServiceRig.h"
#include "ui/LongPressGestureRecognizer.h"
#include "ui/TouchDriver.h"
#include "ui/Window.h"

#include <gtest/gtest.h>


namespace {

using namespace tolvane;
using ui::Point;

SmpOperation at(uint32_t x, uint32_t y)
{
    return SmpOperation{.x = x, .y = y};
}

// A ring of 100 x 100 points at (100, 200) in a phone-sized window, watched by the view model.
struct RingRig : testing_support::ServiceRig {
    std::shared_ptr<RingViewModel> viewModel =
        std::make_shared<RingViewModel>(sendingData, sdkStateData, displayData, willArbitrateData);
    std::shared_ptr<ui::Window> window = std::make_shared<ui::Window>(ui::Rect{0, 0, 390, 844});
    std::shared_ptr<ui::View> ring = std::make_shared<ui::View>(ui::Rect{100, 200, 100, 100});
    ui::TouchDriver finger{*window};

    RingRig()
    {
        window->addSubview(ring);
        ring->setUserInteractionEnabled(false);
        displayData->updateDisplayId(RequiredDisplayId::OPERATE);
        viewModel->setOnTouchListenerOperate(*ring);
    }
};

TEST(RingViewModelTest, InstallingMakesTheRingTouchableWithALongPressThatBeginsAtOnce)
{
    RingRig rig;
    EXPECT_TRUE(rig.ring->isUserInteractionEnabled());
    ASSERT_EQ(rig.ring->gestureRecognizers().size(), 1u);
    auto* press = dynamic_cast<ui::LongPressGestureRecognizer*>(rig.ring->gestureRecognizers().front().get());
    ASSERT_NE(press, nullptr);
    EXPECT_EQ(press->minimumPressDuration(), 0.0);
    EXPECT_EQ(press->delegate(), rig.viewModel);
}

TEST(RingViewModelTest, TheFingerIsFollowedInsideTheRingAndTheOriginIsWrittenOutsideAndOnLifting)
{
    RingRig rig;
    auto touch = rig.finger.begin({110, 220});
    rig.finger.move(touch, {200, 300}); // both far edges count as inside
    rig.finger.move(touch, {250, 220}); // dragged off, still down
    rig.finger.move(touch, {150.9, 201.2});
    rig.finger.end(touch, {150, 250});
    EXPECT_EQ(rig.sendingData->written, (std::vector{at(10, 20), at(100, 100), at(0, 0), at(50, 1), at(0, 0)}));
}

TEST(RingViewModelTest, ACancelledGestureWritesTheOrigin)
{
    RingRig rig;
    auto touch = rig.finger.begin({150, 250});
    rig.finger.cancel(touch);
    EXPECT_EQ(rig.sendingData->written, (std::vector{at(50, 50), at(0, 0)}));
}

// The full rule is TouchPointGate's; here, that every event goes through it.
TEST(RingViewModelTest, EveryEventWritesTheOriginInTheBackground)
{
    RingRig rig;
    rig.sdkStateData->isBackground().send(true);
    auto touch = rig.finger.begin({110, 220});
    rig.finger.move(touch, {120, 230});
    rig.finger.end(touch);
    EXPECT_EQ(rig.sendingData->written, (std::vector{at(0, 0), at(0, 0), at(0, 0)}));
}

TEST(RingViewModelTest, ARecogniserThatLostItsViewWritesNothing)
{
    RingRig rig;
    auto press = std::dynamic_pointer_cast<ui::LongPressGestureRecognizer>(rig.ring->gestureRecognizers().front());
    rig.ring->removeGestureRecognizer(press.get());
    ASSERT_EQ(press->view(), nullptr);
    rig.viewModel->onLongTap(*press);
    EXPECT_TRUE(rig.sendingData->written.empty());
}

TEST(RingViewModelTest, InstallingTwiceHandlesEachEventTwice)
{
    RingRig rig;
    rig.viewModel->setOnTouchListenerOperate(*rig.ring);
    EXPECT_EQ(rig.ring->gestureRecognizers().size(), 2u);
    rig.finger.end(rig.finger.begin({110, 220}));
    EXPECT_EQ(rig.sendingData->written, (std::vector{at(10, 20), at(10, 20), at(0, 0), at(0, 0)}));
}

TEST(RingViewModelTest, TheApplicationsOwnRecognisersOnTheRingStillRecognise)
{
    RingRig rig;
    std::vector<ui::GestureRecognizerState> seen;
    auto own = std::make_shared<ui::LongPressGestureRecognizer>(
        [&seen](ui::GestureRecognizer& r) { seen.push_back(r.state()); });
    own->setMinimumPressDuration(0);
    rig.ring->addGestureRecognizer(own);
    rig.finger.end(rig.finger.begin({110, 220}));
    EXPECT_EQ(seen, (std::vector{ui::GestureRecognizerState::began, ui::GestureRecognizerState::ended}));
    EXPECT_EQ(rig.sendingData->written, (std::vector{at(10, 20), at(0, 0)}));
}

// Coordinates the record's unsigned 32-bit fields cannot hold count as no point.
TEST(RingViewModelTest, CoordinatesBeyondTheRecordsRangeWriteTheOrigin)
{
    RingRig rig;
    rig.window->setFrame({0, 0, 1e10, 1e10});
    rig.ring->setFrame({0, 0, 1e10, 1e10});
    auto touch = rig.finger.begin({4294967296.0, 10});
    rig.finger.move(touch, {4294967295.0, 10});
    rig.finger.end(touch);
    EXPECT_EQ(rig.sendingData->written, (std::vector{at(0, 0), at(4294967295u, 10), at(0, 0)}));
}

} // namespace
