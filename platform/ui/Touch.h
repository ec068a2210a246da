#pragma once

#include "ui/Point.h"
#include "ui/Responder.h"

#include <memory>
#include <vector>

namespace ui {

class GestureRecognizer;
class View;
class Window;

enum class TouchPhase { began, moved, stationary, ended, cancelled };

// One finger on the glass. It stays bound to the view it began in, wherever it moves.
class Touch {
public:
    Touch(Window& window, Point locationInWindow, double timestamp);

    TouchPhase phase() const { return phase_; }
    double timestamp() const { return timestamp_; }
    int tapCount() const { return 1; }
    Window* window() const { return window_; }
    // The view the touch began in (null when it began outside every view that takes touches, and
    // once a finished touch's view is gone).
    View* view() const { return view_ ? view_.get() : finishedView_.lock().get(); }
    // Null means window coordinates.
    Point location(const View* view) const;
    Point previousLocation(const View* view) const;
    const std::vector<std::shared_ptr<GestureRecognizer>>& gestureRecognizers() const { return recognizers_; }

private:
    friend class Window;
    friend class TouchDriver;

    Point convertFromWindow(Point point, const View* view) const;
    void moveTo(Point locationInWindow, TouchPhase phase, double timestamp);
    // A finished touch no longer holds its view alive: a view that keeps its last touches (a
    // published touch event) would otherwise keep itself alive through them.
    void letGoOfView();

    Window* window_;
    Point location_;
    Point previousLocation_;
    double timestamp_;
    TouchPhase phase_ = TouchPhase::began;
    std::shared_ptr<View> view_;
    std::weak_ptr<View> finishedView_;
    std::vector<std::shared_ptr<GestureRecognizer>> recognizers_;
    bool viewSawBegin_ = false;
    bool cancelledForView_ = false; // a recogniser took the touch; the view sees no more of it
};

} // namespace ui
