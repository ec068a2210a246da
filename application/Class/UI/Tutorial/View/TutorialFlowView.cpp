#include "Class/UI/Tutorial/View/TutorialFlowView.h"

#include "Class/UI/Base/View/DesignScale.h"
#include "Class/UI/Tutorial/View/TutorialPalette.h"
#include "Class/UI/Tutorial/View/TutorialStepIndicator.h"

#include "ui/Button.h"
#include "ui/ScreenMetrics.h"
#include "ui/ScrollView.h"
#include "ui/Window.h"

#include <algorithm>

namespace tolvane::app {
namespace {

// Heights on the design screen of the strip under the carousel and of the button in it.
constexpr double BOTTOM_STRIP = 96;
constexpr double BUTTON_HEIGHT = 54;
constexpr double INDICATOR_HEIGHT = 20;
constexpr double INDICATOR_WIDTH = 300;

} // namespace

TutorialFlowView::TutorialFlowView(std::shared_ptr<ui::ScrollView> carousel, std::shared_ptr<TutorialStepIndicator> stepIndicator,
                                   std::shared_ptr<ui::Button> startButton, std::shared_ptr<ui::Button> skipButton)
    : carousel_(std::move(carousel)), stepIndicator_(std::move(stepIndicator)), startButton_(std::move(startButton)),
      skipButton_(std::move(skipButton))
{
    setBackgroundColor(TutorialPalette::background());
    addSubview(carousel_);
    addSubview(stepIndicator_);
    if (startButton_)
        addSubview(startButton_);
    if (skipButton_)
        addSubview(skipButton_);
}

void TutorialFlowView::layoutSubviews()
{
    const ui::Rect area = bounds();
    const double V = DesignScale::vertical();
    const double H = DesignScale::horizontal();
    const ui::Window* shownIn = window();
    const double safeBottom = shownIn ? shownIn->safeAreaInsets().bottom : ui::ScreenMetrics::shared().deviceSafeAreaInsets().bottom;
    const double strip = BOTTOM_STRIP * V + safeBottom;
    carousel_->setFrame({0, 0, area.width(), std::max(0.0, area.height() - strip)});
    const double stripTop = carousel_->frame().maxY();
    const double indicatorWidth = std::min(INDICATOR_WIDTH * H, area.width() - 48);
    stepIndicator_->setFrame({area.midX() - indicatorWidth / 2, stripTop + (BOTTOM_STRIP * V - INDICATOR_HEIGHT) / 2, indicatorWidth,
                              INDICATOR_HEIGHT});
    const double buttonTop = stripTop + (BOTTOM_STRIP * V - BUTTON_HEIGHT * V) / 2;
    const double margin = 32 * H;
    if (startButton_)
        startButton_->setFrame({margin, buttonTop, area.width() - 2 * margin, BUTTON_HEIGHT * V});
    if (skipButton_)
        skipButton_->setFrame({area.maxX() - margin - 96 * H, buttonTop, 96 * H, BUTTON_HEIGHT * V});
}

} // namespace tolvane::app
