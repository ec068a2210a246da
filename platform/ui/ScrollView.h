#pragma once

#include "foundation/Timer.h"
#include "ui/View.h"

#include <memory>

namespace ui {

class IGestureRecognizerDelegate;
class PanGestureRecognizer;
class ScrollIndicators;
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
// within the content; with paging it settles on a whole page when the finger lifts. It scrolls along
// the axes its content overflows, and takes a drag only when the finger's first few points go along
// one of them, so a control under the finger keeps a drag across them. A wheel or touchpad moves it
// too. Indicators show where the content is while it moves by hand.
class ScrollView : public View {
public:
    // How long a paging view waits after the last wheel step before it settles on a page.
    static constexpr double wheelSettleDelay = 0.15;

    explicit ScrollView(const Rect& frame = {});
    ~ScrollView() override;

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
    // Whether a finger that moved this far since landing scrolls the content.
    bool scrollsAlong(const Point& movement) const;
    // A wheel or touchpad turned by `delta` points over the view (positive: towards the content's
    // start). False when the content cannot move that way, so an enclosing view may take it.
    bool scrollWheel(const Point& delta);
    const ScrollIndicators& scrollIndicators() const { return *indicators_; }

protected:
    // Runs whenever the content offset is set, before the delegate hears of it.
    virtual void contentOffsetDidChange() {}

private:
    void dragged();
    void settleOnPage();
    void scrollByHand(const Point& offset);
    Point clamped(const Point& offset) const;

    Size contentSize_;
    bool paging_ = false;
    std::weak_ptr<IScrollViewDelegate> delegate_;
    std::shared_ptr<PanGestureRecognizer> pan_;
    std::shared_ptr<IGestureRecognizerDelegate> panAlongScrollAxes_;
    Point dragStart_;
    std::unique_ptr<ScrollIndicators> indicators_;
    foundation::TimerRef wheelSettle_;
};

} // namespace ui
