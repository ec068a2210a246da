#pragma once

#include "ui/GestureRecognizer.h"

namespace ui {

// One finger down and up again without moving far: recognised when it lifts.
class TapGestureRecognizer : public GestureRecognizer {
public:
    static constexpr double allowableMovement = 10.0;

    using GestureRecognizer::GestureRecognizer;

protected:
    void touchesBegan(const TouchSet& touches, const Event& event) override;
    void touchesMoved(const TouchSet& touches, const Event& event) override;
    void touchesEnded(const TouchSet& touches, const Event& event) override;
    void touchesCancelled(const TouchSet& touches, const Event& event) override;

private:
    Point start_;
};

} // namespace ui
