#pragma once

#include "ui/View.h"

namespace tolvane::app {

// A view whose gradient circles follow one `ratio` (0 to 1) that its animation sets at every step.
class PulseAnimationView : public ui::View {
public:
    using ui::View::View;

    double ratio() const { return ratio_; }
    // Places the circles for `ratio` and asks for a redraw.
    void setRatio(double ratio);
    void layoutSubviews() override;

protected:
    virtual void placeCircles() = 0;

private:
    double ratio_ = 0;
};

} // namespace tolvane::app
