#pragma once

#include "ui/View.h"

#include <memory>

namespace ui {

class PanGestureRecognizer;
class ScrollView;

class IScrollViewDelegate {
public:
    virtual ~IScrollViewDelegate() = default;
    virtual void scrollViewDidScroll(ScrollView&) {}
    virtual void scrollViewWillBeginDragging(ScrollView&) {}
    virtual void scrollViewDidEndDragging(ScrollView&, bool willDecelerate) { (void)willDecelerate; }
    virtual void scrollViewDidEndDecelerating(ScrollView&) {}
};

// Shows a part of a larger content: the content offset is the bounds' origin. A drag moves it
// within the content; with paging it settles on a whole page when the finger lifts.
class ScrollView : public View {
public:
    explicit ScrollView(const Rect& frame = {});

    Size contentSize() const { return contentSize_; }
    void setContentSize(const Size& size) { contentSize_ = size; }
    Point contentOffset() const { return bounds().origin; }
    // Tells the delegate at once; moves there without animation.
    void setContentOffset(const Point& offset, bool animated = false);
    bool isPagingEnabled() const { return paging_; }
    void setPagingEnabled(bool paging) { paging_ = paging; }
    bool isScrollEnabled() const;
    void setScrollEnabled(bool enabled);
    void setDelegate(std::weak_ptr<IScrollViewDelegate> delegate) { delegate_ = std::move(delegate); }

protected:
    // Runs whenever the content offset is set, before the delegate hears of it.
    virtual void contentOffsetDidChange() {}

private:
    void dragged();
    Point clamped(const Point& offset) const;

    Size contentSize_;
    bool paging_ = false;
    std::weak_ptr<IScrollViewDelegate> delegate_;
    std::shared_ptr<PanGestureRecognizer> pan_;
    Point dragStart_;
};

} // namespace ui
