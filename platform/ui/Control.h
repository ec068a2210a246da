#pragma once

#include "ui/View.h"

#include <functional>
#include <map>
#include <vector>

namespace ui {

enum class ControlEvent { touchDown, touchUpInside, touchUpOutside, touchCancel, valueChanged, editingDidBegin, editingChanged, editingDidEnd };

enum class ControlState { normal, highlighted, disabled, selected };

// A view that turns touches into events with target actions: a touch that lifts inside the control
// is a touch-up-inside. A disabled control takes no touches.
class Control : public View {
public:
    using Action = std::function<void(Control&)>;

    using View::View;

    bool isEnabled() const { return enabled_; }
    virtual void setEnabled(bool enabled);
    bool isHighlighted() const { return highlighted_; }
    bool isSelected() const { return selected_; }
    void setSelected(bool selected);
    ControlState state() const;

    void addTarget(ControlEvent event, Action action);
    void removeTargets(ControlEvent event);
    void sendActions(ControlEvent event);

    View* hitTest(const Point& point, const Event* event) override;
    void touchesBegan(const TouchSet& touches, const Event& event) override;
    void touchesMoved(const TouchSet& touches, const Event& event) override;
    void touchesEnded(const TouchSet& touches, const Event& event) override;
    void touchesCancelled(const TouchSet& touches, const Event& event) override;

protected:
    virtual void stateDidChange() { setNeedsDisplay(); }

private:
    void setHighlighted(bool highlighted);
    bool isTouchInside(const TouchSet& touches) const;

    bool enabled_ = true;
    bool highlighted_ = false;
    bool selected_ = false;
    std::map<ControlEvent, std::vector<Action>> actions_;
};

} // namespace ui
