#include "ui/ScrollIndicators.h"

#include "foundation/RunLoop.h"
#include "ui/Layer.h"
#include "ui/ScrollView.h"
#include "ui/ViewAnimation.h"

#include <algorithm>

namespace ui {
namespace {

std::shared_ptr<View> makeBar()
{
    auto bar = std::make_shared<View>();
    bar->setBackgroundColor(Color::white(0, 0.35));
    bar->layer().setCornerRadius(ScrollIndicators::thickness * 0.5);
    bar->setUserInteractionEnabled(false);
    bar->setAlpha(0);
    return bar;
}

// Where along an axis of `visible` points the bar runs, for content of `content` points scrolled by
// `offset`: as long as the part in sight is of the whole, and as far along as the content is scrolled.
std::pair<double, double> barSpan(double visible, double content, double offset)
{
    const double track = visible - 2 * ScrollIndicators::inset;
    const double length = std::clamp(track * visible / content, ScrollIndicators::minimumLength, track);
    const double progress = std::clamp(offset / (content - visible), 0.0, 1.0);
    return {offset + ScrollIndicators::inset + (track - length) * progress, length};
}

} // namespace

ScrollIndicators::ScrollIndicators(ScrollView& scrollView) : scrollView_(scrollView) {}

ScrollIndicators::~ScrollIndicators()
{
    if (fadeTimer_)
        fadeTimer_->invalidate();
}

void ScrollIndicators::flash()
{
    if (!vertical_) {
        vertical_ = makeBar();
        horizontal_ = makeBar();
        scrollView_.addSubview(vertical_);
        scrollView_.addSubview(horizontal_);
    }
    ViewAnimation::performWithoutAnimation([this] {
        for (View* bar : {vertical_.get(), horizontal_.get()}) {
            bar->layer().removeAllAnimations();
            bar->setAlpha(1);
        }
    });
    follow();
    if (fadeTimer_)
        fadeTimer_->invalidate();
    fadeTimer_.reset();
    if (foundation::RunLoop::hasMain())
        fadeTimer_ = foundation::RunLoop::main().scheduleTimer(fadeDelay, false, [this](foundation::Timer&) { fade(); });
}

void ScrollIndicators::follow()
{
    if (!vertical_)
        return;
    const Rect bounds = scrollView_.bounds();
    const Size content = scrollView_.contentSize();
    // A table adds rows as it scrolls; the bars stay above them.
    scrollView_.bringSubviewToFront(vertical_.get());
    scrollView_.bringSubviewToFront(horizontal_.get());
    const bool tall = content.height > bounds.height();
    const bool wide = content.width > bounds.width();
    if (tall) {
        const auto [y, length] = barSpan(bounds.height(), content.height, bounds.y());
        place(*vertical_, true, {bounds.maxX() - inset - thickness, y, thickness, length});
    } else {
        place(*vertical_, false, {});
    }
    if (wide) {
        const auto [x, length] = barSpan(bounds.width(), content.width, bounds.x());
        place(*horizontal_, true, {x, bounds.maxY() - inset - thickness, length, thickness});
    } else {
        place(*horizontal_, false, {});
    }
}

void ScrollIndicators::place(View& bar, bool shown, const Rect& frame)
{
    bar.setHidden(!shown);
    if (shown)
        bar.setFrame(frame);
}

void ScrollIndicators::fade()
{
    ViewAnimation::animate(fadeDuration, [this] {
        vertical_->setAlpha(0);
        horizontal_->setAlpha(0);
    });
}

} // namespace ui
