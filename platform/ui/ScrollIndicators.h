#pragma once

#include "foundation/Timer.h"
#include "ui/Rect.h"

#include <memory>

namespace ui {

class ScrollView;
class View;

// The thin bars that show where a scroll view's content is while it moves, one along each axis the
// content overflows; they fade a moment after the last move.
class ScrollIndicators {
public:
    static constexpr double thickness = 3;
    static constexpr double inset = 3;
    static constexpr double minimumLength = 36;
    static constexpr double fadeDelay = 0.5;
    static constexpr double fadeDuration = 0.3;

    explicit ScrollIndicators(ScrollView& scrollView);
    ~ScrollIndicators();
    ScrollIndicators(const ScrollIndicators&) = delete;
    ScrollIndicators& operator=(const ScrollIndicators&) = delete;

    // Shows the bars where the content is now and starts the wait before they fade.
    void flash();
    // Keeps the bars where the content is, if they are up.
    void follow();
    // The bars, present once the content first moved by hand.
    const std::shared_ptr<View>& vertical() const { return vertical_; }
    const std::shared_ptr<View>& horizontal() const { return horizontal_; }

private:
    void place(View& bar, bool shown, const Rect& frame);
    void fade();

    ScrollView& scrollView_;
    std::shared_ptr<View> vertical_;
    std::shared_ptr<View> horizontal_;
    foundation::TimerRef fadeTimer_;
};

} // namespace ui
