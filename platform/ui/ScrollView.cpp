#include "ui/ScrollView.h"

#include "ui/PanGestureRecognizer.h"

#include <algorithm>
#include <cmath>

namespace ui {

ScrollView::ScrollView(const Rect& frame) : View(frame), pan_(std::make_shared<PanGestureRecognizer>())
{
    setClipsToBounds(true);
    pan_->addTarget([this](GestureRecognizer&) { dragged(); });
    addGestureRecognizer(pan_);
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
        setContentOffset(clamped({dragStart_.x - moved.x, dragStart_.y - moved.y}));
        break;
    }
    case GestureRecognizerState::ended:
    case GestureRecognizerState::cancelled: {
        if (delegate)
            delegate->scrollViewDidEndDragging(*this, paging_);
        if (paging_) {
            const Size page = bounds().size;
            const Point offset = contentOffset();
            const Point settled{page.width > 0 ? std::round(offset.x / page.width) * page.width : 0,
                                page.height > 0 ? std::round(offset.y / page.height) * page.height : 0};
            setContentOffset(clamped(settled));
            if (delegate)
                delegate->scrollViewDidEndDecelerating(*this);
        }
        break;
    }
    default: break;
    }
}

} // namespace ui
