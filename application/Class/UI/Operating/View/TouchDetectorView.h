#pragma once

#include "Class/UI/Operating/View/TouchEvent.h"

#include "rx/Subject.h"
#include "ui/View.h"

#include <optional>

namespace tolvane::app {

// A plain view over a control area that publishes each of its touch callbacks as one TouchEvent and
// keeps the touches to itself. Main thread only.
class TouchDetectorView : public ui::View {
public:
    explicit TouchDetectorView(const ui::Rect& frame = {});

    rx::Published<std::optional<TouchEvent>> touchEvent{std::nullopt};

    void touchesBegan(const ui::TouchSet& touches, const ui::Event& event) override;
    void touchesMoved(const ui::TouchSet& touches, const ui::Event& event) override;
    void touchesEnded(const ui::TouchSet& touches, const ui::Event& event) override;
    void touchesCancelled(const ui::TouchSet& touches, const ui::Event& event) override;

private:
    void publish(TouchEventType type, const ui::TouchSet& touches, const ui::Event& event);
};

} // namespace tolvane::app
