#pragma once

#include "foundation/Timer.h"
#include "ui/GestureRecognizer.h"

namespace ui {

// A finger held still for the minimum duration begins the gesture; after that every move is a
// change, wherever the finger goes, until it lifts (ended) or is cancelled. With a minimum duration
// of 0 the gesture begins as the finger lands.
class LongPressGestureRecognizer : public GestureRecognizer {
public:
    static constexpr double defaultMinimumPressDuration = 0.5;
    static constexpr double defaultAllowableMovement = 10.0;

    using GestureRecognizer::GestureRecognizer;
    ~LongPressGestureRecognizer() override;

    double minimumPressDuration() const { return minimumPressDuration_; }
    void setMinimumPressDuration(double seconds) { minimumPressDuration_ = seconds; }
    double allowableMovement() const { return allowableMovement_; }
    void setAllowableMovement(double points) { allowableMovement_ = points; }

protected:
    void touchesBegan(const TouchSet& touches, const Event& event) override;
    void touchesMoved(const TouchSet& touches, const Event& event) override;
    void touchesEnded(const TouchSet& touches, const Event& event) override;
    void touchesCancelled(const TouchSet& touches, const Event& event) override;
    void reset() override;

private:
    bool hasBegun() const { return state() == State::began || state() == State::changed; }
    void fail();

    double minimumPressDuration_ = defaultMinimumPressDuration;
    double allowableMovement_ = defaultAllowableMovement;
    Point start_;
    foundation::TimerRef timer_;
};

} // namespace ui
