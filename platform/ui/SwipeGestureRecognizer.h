#pragma once

#include "ui/GestureRecognizer.h"

namespace ui {

enum class SwipeDirection { left, right, up, down };

// A quick stroke in one direction: recognised once the finger has gone far enough that way, more
// along that axis than across it.
class SwipeGestureRecognizer : public GestureRecognizer {
public:
    static constexpr double minimumDistance = 30.0;

    explicit SwipeGestureRecognizer(SwipeDirection direction, Action action = {}) : GestureRecognizer(std::move(action)), direction_(direction) {}

    SwipeDirection direction() const { return direction_; }

protected:
    void touchesBegan(const TouchSet& touches, const Event& event) override;
    void touchesMoved(const TouchSet& touches, const Event& event) override;
    void touchesEnded(const TouchSet& touches, const Event& event) override;
    void touchesCancelled(const TouchSet& touches, const Event& event) override;

private:
    SwipeDirection direction_;
    Point start_;
};

} // namespace ui
