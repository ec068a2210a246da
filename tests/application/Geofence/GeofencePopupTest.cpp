#include "GeofenceScreenTest.h"

#include "Class/Model/EventStack.h"
#include "Class/UI/Geofence/View/GeofenceStoryboard.h"

#include "ui/Button.h"
#include "ui/GoldenImage.h"
#include "ui/ImageView.h"
#include "ui/Label.h"
#include "ui/LayerRenderer.h"
#include "ui/ScreenMetrics.h"
#include "ui/ScrollView.h"

#include <algorithm>

namespace geofence_testing {
namespace {

using tolvane::app::CautionAreaViewController;
using tolvane::app::EventCode;
using tolvane::app::EventStack;
using tolvane::app::FailedGPSViewController;
using tolvane::app::GeofenceDialog;
using tolvane::app::GeofencePopupViewController;
using tolvane::app::LocationUsePermitViewController;
using tolvane::app::WarningAreaViewController;

class GeofencePopupTest : public GeofenceScreenTest {
protected:
    // The geofence screen on top with the pop-up of `kind` over it, and no check of its own running.
    void present(GeofenceDialog kind)
    {
        transitionManager->showGeofence();
        geofence = std::dynamic_pointer_cast<tolvane::app::GeofenceViewController>(stack->viewControllers().back());
        ASSERT_TRUE(geofence);
        geofence->checkCompleteFlag = true;
        time.runUntilIdle();
        geofence->showPopup(kind);
        advance(1);
    }

    bool closedTheRun() const
    {
        const auto& codes = EventStack::shared().stack();
        return std::find(codes.begin(), codes.end(), EventCode::E003) != codes.end();
    }
};

enum class Which { ok, middle, end };

template <class Popup>
ui::Button* okOrEnd(Popup& popup, Which which)
{
    return which == Which::ok ? popup.okButton.get() : popup.endButton.get();
}

ui::Button* buttonOf(GeofencePopupViewController& popup, Which which)
{
    if (auto* permit = dynamic_cast<LocationUsePermitViewController*>(&popup))
        return which == Which::middle ? permit->middleButton.get() : okOrEnd(*permit, which);
    if (auto* warning = dynamic_cast<WarningAreaViewController*>(&popup))
        return okOrEnd(*warning, which);
    if (auto* caution = dynamic_cast<CautionAreaViewController*>(&popup))
        return okOrEnd(*caution, which);
    if (auto* failed = dynamic_cast<FailedGPSViewController*>(&popup))
        return okOrEnd(*failed, which);
    return nullptr;
}

TEST_F(GeofencePopupTest, EachButtonDismissesThePopUpAndThenActsOnTheGeofenceScreen)
{
    struct Row {
        GeofenceDialog kind;
        Which button;
        const char* expected;
        bool closesTheRun;
    };
    const Row rows[] = {
        {GeofenceDialog::warningArea, Which::ok, "touch pre-confirmation", false},
        {GeofenceDialog::warningArea, Which::end, "geofence without spinner", true},
        {GeofenceDialog::cautionArea, Which::ok, "touch pre-confirmation", false},
        {GeofenceDialog::cautionArea, Which::end, "geofence without spinner", true},
        {GeofenceDialog::failedGPS, Which::ok, "touch pre-confirmation", false},
        {GeofenceDialog::failedGPS, Which::end, "geofence without spinner", true},
        {GeofenceDialog::locationUsePermit, Which::middle, "touch pre-confirmation", false},
        {GeofenceDialog::locationUsePermit, Which::end, "geofence without spinner", true},
    };
    for (const Row& row : rows) {
        EventStack::shared().setStack({});
        present(row.kind);
        EXPECT_TRUE(flag("failed_dialog_flag"));
        auto popup = std::dynamic_pointer_cast<GeofencePopupViewController>(geofence->popupViewController);
        ASSERT_TRUE(popup);
        ui::Button* button = buttonOf(*popup, row.button);
        ASSERT_TRUE(button);
        button->tap();
        advance(1);
        EXPECT_EQ(shown(), row.expected) << static_cast<int>(row.kind);
        EXPECT_EQ(closedTheRun(), row.closesTheRun) << static_cast<int>(row.kind);
        stack->popToRootViewController(false);
        settle();
    }
    EXPECT_TRUE(flag("not_permitted_flag")) << "don't allow remembers the refusal";
}

TEST_F(GeofencePopupTest, ExitingLeavesTheHostAndThenRunsTheExitCycleOnlyWhenEmbedded)
{
    present(GeofenceDialog::failedGPS);
    popup<FailedGPSViewController>()->endButton->tap();
    settle();
    EXPECT_TRUE(closedTheRun());
    EXPECT_TRUE(sdkModel->calls.empty()) << "stand-alone, the screen stays";

    auto host = std::make_shared<ui::ViewController>();
    tolvane::app::TolvaneIntegrationAppHelper::shared().superViewController = host;
    present(GeofenceDialog::warningArea);
    popup<WarningAreaViewController>()->endButton->tap();
    settle();
    tolvane::app::TolvaneIntegrationAppHelper::shared().superViewController.reset();
    EXPECT_EQ(sdkModel->calls, std::vector<std::string>{"requestFinishSdk"});
}

TEST_F(GeofencePopupTest, WhenTheSettingsCannotOpenAllowingChecksAgainAtOnce)
{
    authorization->setStatus(AuthorizationStatus::denied);
    open();
    advance(1);
    ASSERT_EQ(shown(), "permission pop-up");
    const auto first = geofence->popupViewController;
    ASSERT_TRUE(geofence->checkCompleteFlag);
    popup<LocationUsePermitViewController>()->okButton->tap();
    advance(1);
    EXPECT_EQ(ui::Application::shared().settingsRequestCount(), 1);
    EXPECT_EQ(shown(), "permission pop-up");
    EXPECT_NE(geofence->popupViewController, first) << "a new check presented a new pop-up";

    authorization->setStatus(AuthorizationStatus::authorizedWhenInUse);
    answer(safeFix, 0.1);
    popup<LocationUsePermitViewController>()->okButton->tap();
    advance(1);
    EXPECT_EQ(shown(), "touch pre-confirmation");
}

TEST_F(GeofencePopupTest, ButtonsDoNothingWhileAnotherScreenIsOnTopOfTheGeofenceScreen)
{
    present(GeofenceDialog::warningArea);
    stack->pushViewController(std::make_shared<ui::ViewController>(), false);
    settle();
    popup<WarningAreaViewController>()->okButton->tap();
    popup<WarningAreaViewController>()->endButton->tap();
    advance(1);
    EXPECT_EQ(shown(), "warning pop-up");
    EXPECT_FALSE(closedTheRun());
}

TEST_F(GeofencePopupTest, OnlyThePermissionPopUpGoesWhenTheApplicationEntersTheBackground)
{
    const std::pair<GeofenceDialog, const char*> rows[] = {{GeofenceDialog::warningArea, "warning pop-up"},
                                                           {GeofenceDialog::cautionArea, "caution pop-up"},
                                                           {GeofenceDialog::failedGPS, "GPS pop-up"},
                                                           {GeofenceDialog::locationUsePermit, "geofence without spinner"}};
    for (const auto& [kind, expected] : rows) {
        present(kind);
        geofence->checkCompleteFlag = true;
        enterBackground();
        advance(1);
        EXPECT_EQ(shown(), expected);
        EXPECT_EQ(geofence->checkCompleteFlag, kind != GeofenceDialog::locationUsePermit);
        ui::Application::shared().reset();
        if (auto* presented = stack->presentedViewController())
            presented->dismiss(false);
        stack->popToRootViewController(false);
        settle();
    }
}

// The card and its scroll view on screens of other sizes.
class GeofencePopupLayoutTest : public GeofenceScreenTest {
protected:
    ~GeofencePopupLayoutTest() override { ui::ScreenMetrics::shared().setScreenSize(saved_); }

    template <class Popup>
    std::shared_ptr<Popup> laidOut(GeofenceDialog kind, ui::Size screen)
    {
        ui::ScreenMetrics::shared().setScreenSize(screen);
        auto popup = std::dynamic_pointer_cast<Popup>(tolvane::app::GeofenceStoryboard::instantiatePopup(kind));
        popup->view();
        popup->layoutPopup();
        return popup;
    }

private:
    ui::Size saved_ = ui::ScreenMetrics::shared().mainBounds().size;
};

TEST_F(GeofencePopupLayoutTest, TheCardAndItsScrollViewScaleWithTheScreenAndTheCardIsCentred)
{
    struct Row {
        ui::Size screen;
        ui::Size card;
        ui::Size scrollView;
    };
    const Row rows[] = {
        {{428, 926}, {396, 650}, {360, 350}},
        {{375, 667}, {346.96, 468.19}, {315.42, 252.11}},
    };
    for (const Row& row : rows) {
        auto warning = laidOut<WarningAreaViewController>(GeofenceDialog::warningArea, row.screen);
        auto permit = laidOut<LocationUsePermitViewController>(GeofenceDialog::locationUsePermit, row.screen);
        for (auto [card, scrollView] : {std::pair{warning->warningAreaPopView, warning->warningAreaScrollView},
                                        std::pair{permit->locssionUsePrermitPopView, permit->locssionUsePrermitScrollView}}) {
            EXPECT_NEAR(card->frame().width(), row.card.width, 0.01) << row.screen.width;
            EXPECT_NEAR(card->frame().height(), row.card.height, 0.01) << row.screen.width;
            EXPECT_NEAR(card->center().x, row.screen.width / 2, 1e-9);
            EXPECT_NEAR(card->center().y, row.screen.height / 2, 1e-9);
            EXPECT_NEAR(scrollView->frame().width(), row.scrollView.width, 0.01);
            EXPECT_NEAR(scrollView->frame().height(), row.scrollView.height, 0.01);
        }
    }
}

TEST_F(GeofencePopupLayoutTest, AMessageTallerThanItsScrollViewScrollsAndAShortOneDoesNot)
{
    auto fits = laidOut<WarningAreaViewController>(GeofenceDialog::warningArea, {428, 926});
    EXPECT_LE(fits->warningAreaScrollView->contentSize().height, fits->warningAreaScrollView->frame().height());
    EXPECT_EQ(fits->warningAreaScrollView->contentSize(), fits->warningAreaLabel->frame().size);

    auto scrolls = laidOut<WarningAreaViewController>(GeofenceDialog::warningArea, {428, 300});
    EXPECT_GT(scrolls->warningAreaScrollView->contentSize().height, scrolls->warningAreaScrollView->frame().height());
    EXPECT_EQ(scrolls->warningAreaScrollView->contentSize(), scrolls->warningAreaLabel->frame().size);
}

// The views of type `View` under `root`, in drawing order.
template <class View>
std::vector<const View*> descendants(const ui::View& root)
{
    std::vector<const View*> found;
    for (const auto& subview : root.subviews()) {
        if (auto* view = dynamic_cast<const View*>(subview.get()))
            found.push_back(view);
        for (const View* deeper : descendants<View>(*subview))
            found.push_back(deeper);
    }
    return found;
}

TEST_F(GeofencePopupLayoutTest, AShortMessageStandsWithItsSymbolInTheMiddleOfTheSpaceAboveTheButtons)
{
    for (const ui::Size screen : {ui::Size{375, 667}, ui::Size{390, 844}, ui::Size{428, 926}}) {
        for (const GeofenceDialog kind : {GeofenceDialog::warningArea, GeofenceDialog::cautionArea, GeofenceDialog::failedGPS,
                                          GeofenceDialog::locationUsePermit}) {
            SCOPED_TRACE(testing::Message() << screen.width << "x" << screen.height << " " << static_cast<int>(kind));
            auto popup = laidOut<GeofencePopupViewController>(kind, screen);
            const ui::View& card = *popup->view().subviews().front();
            const auto symbols = descendants<ui::ImageView>(card);
            const auto scrollViews = descendants<ui::ScrollView>(card);
            ASSERT_FALSE(symbols.empty());
            ASSERT_EQ(scrollViews.size(), 1u);
            const auto messages = descendants<ui::Label>(*scrollViews.front());
            ASSERT_FALSE(messages.empty());
            double buttonsTop = card.bounds().height();
            for (const ui::Button* button : descendants<ui::Button>(card))
                buttonsTop = std::min(buttonsTop, button->convert(button->bounds(), &card).minY());
            const double blankAbove = symbols.front()->convert(symbols.front()->bounds(), &card).minY();
            const double blankBelow = buttonsTop - messages.front()->convert(messages.front()->bounds(), &card).maxY();
            // Shared alike but for the design's own margins (28 above the symbol, 16 above the buttons).
            EXPECT_NEAR(blankBelow - blankAbove, (16.0 - 28.0) * screen.height / 926, 1.0) << blankAbove << " " << blankBelow;
        }
    }
}

TEST_F(GeofencePopupLayoutTest, EachPopUpShowsItsOwnTextsInItsOwnOutlets)
{
    auto text = [](const std::shared_ptr<ui::Label>& label) { return label ? label->text().value_or("") : "no label"; };
    auto title = [](const std::shared_ptr<ui::Button>& button) { return button ? button->currentTitle().value_or("") : "no button"; };
    auto warning = laidOut<WarningAreaViewController>(GeofenceDialog::warningArea, {390, 844});
    EXPECT_EQ(text(warning->warningTitleLabel), "Remote parking may not work here");
    EXPECT_EQ(text(warning->warningAreaLabel).rfind("Your phone is close to a radio transmitter.", 0), 0u);
    EXPECT_EQ(title(warning->okButton), "Continue anyway");
    EXPECT_EQ(title(warning->endButton), "Exit");
    auto caution = laidOut<CautionAreaViewController>(GeofenceDialog::cautionArea, {390, 844});
    EXPECT_EQ(text(caution->cautionTitleLabel), "Radio transmitter nearby");
    EXPECT_EQ(text(caution->cautionAreaLabel).rfind("Your phone is near the edge", 0), 0u);
    EXPECT_EQ(title(caution->okButton), "Continue");
    auto failed = laidOut<FailedGPSViewController>(GeofenceDialog::failedGPS, {390, 844});
    EXPECT_EQ(text(failed->timeoutGPSTitleLabel), "Position not found");
    EXPECT_EQ(text(failed->timeoutGPSLabel).rfind("Your phone could not determine its position", 0), 0u);
    auto permit = laidOut<LocationUsePermitViewController>(GeofenceDialog::locationUsePermit, {390, 844});
    EXPECT_EQ(text(permit->locssionUsePrermitLabel).rfind("Location access is off.", 0), 0u);
    EXPECT_EQ(title(permit->okButton), "Open settings");
    EXPECT_EQ(title(permit->middleButton), "Continue without location");
    EXPECT_EQ(title(permit->endButton), "Exit");
}

class GeofenceGoldenTest : public GeofencePopupTest {
protected:
    QImage picture() const { return ui::LayerRenderer(time.now()).renderView(*window, 1); }
};

TEST_F(GeofenceGoldenTest, TheCheckingScreenAndEachPopUpAtThreeNinetyByEightFortyFour)
{
    open();
    advance(0.25);
    EXPECT_TRUE(uitest::matchesGolden(picture(), "geofence-checking"));
    stack->popToRootViewController(false);
    settle();

    const std::pair<GeofenceDialog, const char*> rows[] = {{GeofenceDialog::warningArea, "geofence-warning-area"},
                                                           {GeofenceDialog::cautionArea, "geofence-caution-area"},
                                                           {GeofenceDialog::failedGPS, "geofence-failed-gps"},
                                                           {GeofenceDialog::locationUsePermit, "geofence-location-permission"}};
    for (const auto& [kind, name] : rows) {
        present(kind);
        EXPECT_TRUE(uitest::matchesGolden(picture(), name));
        if (auto* presented = stack->presentedViewController())
            presented->dismiss(false);
        stack->popToRootViewController(false);
        settle();
    }
}

} // namespace
} // namespace geofence_testing
