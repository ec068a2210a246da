#pragma once

#include "ui/GestureRecognizer.h"

namespace ui {

// A finger dragged further than a few points: began, changed with each move, ended when it lifts.
class PanGestureRecognizer : public GestureRecognizer {
public:
    static constexpr double hysteresis = 10.0;

    using GestureRecognizer::GestureRecognizer;

    // How far the finger moved since it landed, in `view`'s coordinates (null: the window's).
    Point translation(const View* view) const;

protected:
    void touchesBegan(const TouchSet& touches, const Event& event) override;
    void touchesMoved(const TouchSet& touches, const Event& event) override;
    void touchesEnded(const TouchSet& touches, const Event& event) override;
    void touchesCancelled(const TouchSet& touches, const Event& event) override;

private:
    Point start_;
};

} // namespace ui
