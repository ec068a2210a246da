#include "ui/ScrollView.h"

#include "foundation/RunLoop.h"
#include "ui/PanGestureRecognizer.h"
#include "ui/ScrollIndicators.h"

#include <algorithm>
#include <cmath>

namespace ui {
namespace {

class PanAlongScrollAxes : public IGestureRecognizerDelegate {
public:
    explicit PanAlongScrollAxes(const ScrollView& scrollView) : scrollView_(scrollView) {}
    bool gestureRecognizerShouldBegin(GestureRecognizer& recognizer) override
    {
        return scrollView_.scrollsAlong(static_cast<PanGestureRecognizer&>(recognizer).translation(nullptr));
    }

private:
    const ScrollView& scrollView_;
};

} // namespace

ScrollView::ScrollView(const Rect& frame)
    : View(frame),
      pan_(std::make_shared<PanGestureRecognizer>()),
      panAlongScrollAxes_(std::make_shared<PanAlongScrollAxes>(*this)),
      indicators_(std::make_unique<ScrollIndicators>(*this))
{
    setClipsToBounds(true);
    pan_->addTarget([this](GestureRecognizer&) { dragged(); });
    pan_->setDelegate(panAlongScrollAxes_);
    addGestureRecognizer(pan_);
}

ScrollView::~ScrollView()
{
    if (wheelSettle_)
        wheelSettle_->invalidate();
}

bool ScrollView::scrollsAlong(const Point& movement) const
{
    const Size size = bounds().size;
    const bool horizontally = contentSize_.width > size.width;
    const bool vertically = contentSize_.height > size.height;
    if (horizontally && vertically)
        return true;
    if (horizontally)
        return std::abs(movement.x) > std::abs(movement.y);
    if (vertically)
        return std::abs(movement.y) > std::abs(movement.x);
    return false;
}

bool ScrollView::isScrollEnabled() const
{
    return pan_->isEnabled();
}

void ScrollView::setScrollEnabled(bool enabled)
{
    pan_->setEnabled(enabled);
}

Point ScrollView::clamped(const Point& offset) const
{
    const Size size = bounds().size;
    return {std::clamp(offset.x, 0.0, std::max(0.0, contentSize_.width - size.width)),
            std::clamp(offset.y, 0.0, std::max(0.0, contentSize_.height - size.height))};
}

void ScrollView::setContentOffset(const Point& offset, bool)
{
    setBounds({offset, bounds().size});
    contentOffsetDidChange();
    indicators_->follow();
    if (auto delegate = delegate_.lock())
        delegate->scrollViewDidScroll(*this);
}

void ScrollView::dragged()
{
    auto delegate = delegate_.lock();
    switch (pan_->state()) {
    case GestureRecognizerState::began:
        dragStart_ = contentOffset();
        if (delegate)
            delegate->scrollViewWillBeginDragging(*this);
        [[fallthrough]];
    case GestureRecognizerState::changed: {
        const Point moved = pan_->translation(superview());
        scrollByHand(clamped({dragStart_.x - moved.x, dragStart_.y - moved.y}));
        break;
    }
    case GestureRecognizerState::ended:
    case GestureRecognizerState::cancelled:
        if (delegate)
            delegate->scrollViewDidEndDragging(*this, paging_);
        if (paging_)
            settleOnPage();
        break;
    default: break;
    }
}

bool ScrollView::scrollWheel(const Point& delta)
{
    if (!isScrollEnabled())
        return false;
    const Point current = contentOffset();
    const Point next = clamped({current.x - delta.x, current.y - delta.y});
    if (next == current)
        return false;
    scrollByHand(next);
    if (paging_ && foundation::RunLoop::hasMain()) {
        if (wheelSettle_)
            wheelSettle_->invalidate();
        wheelSettle_ = foundation::RunLoop::main().scheduleTimer(wheelSettleDelay, false, [this](foundation::Timer&) { settleOnPage(); });
    }
    return true;
}

void ScrollView::scrollByHand(const Point& offset)
{
    setContentOffset(offset);
    indicators_->flash();
}

void ScrollView::settleOnPage()
{
    const Size page = bounds().size;
    const Point offset = contentOffset();
    const Point settled{page.width > 0 ? std::round(offset.x / page.width) * page.width : 0,
                        page.height > 0 ? std::round(offset.y / page.height) * page.height : 0};
    setContentOffset(clamped(settled));
    if (auto delegate = delegate_.lock())
        delegate->scrollViewDidEndDecelerating(*this);
}

} // namespace ui
